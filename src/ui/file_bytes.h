#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"

// A file opened for reading (or as `access` asks) with others allowed to read it; null when it
// cannot be opened.
KernelHandle OpenFile(const std::string& name, DWORD access = GENERIC_READ, DWORD disposition = OPEN_EXISTING);

// The whole file; nullopt when it cannot be read or holds more than `maxBytes`.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::int64_t maxBytes);

// Writes the file beside the target first, under a name no file had, and moves it over the
// target only when complete: a failed write leaves whatever stood under either name untouched.
// A read-only target is refused.
bool WriteFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes);
