#pragma once
#include <cstddef>
#include <cstdint>

// The entry point libFuzzer calls; replay_main.cpp calls it for each corpus file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A lower pixel cap than the program's keeps every run fast, as libjpeg-turbo's fuzzers do.
inline constexpr std::int64_t FuzzMaxPixels = std::int64_t{1} << 20;
