#pragma once
// PNG files for the end-to-end tests: written with alpha (which our writer never does) and read
// back by the system's own decoder (WIC), independent of the program's.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/pixels.h"

namespace e2e {

// 0xAARRGGBB pixels, rows top-down, as an RGBA PNG file.
std::vector<std::uint8_t> RgbaPngFile(int width, int height, const std::vector<std::uint32_t>& argb);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The picture in PNG (or any image) bytes as the system's imaging component decodes it; nullopt
// when it cannot.
std::optional<PixelBuffer> SystemDecoded(const std::vector<std::uint8_t>& bytes);
std::optional<PixelBuffer> SystemDecodedFile(const std::string& path);

}  // namespace e2e
