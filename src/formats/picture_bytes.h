#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "common/picture_limits.h"
#include "common/pixels.h"

// What a transparent pixel shows when nothing else is said.
inline constexpr Pixel WhiteBackground = MakePixel(255, 255, 255);

// The picture in a file's bytes, BMP, JPEG or PNG, told apart by their first bytes whatever the
// file name says. nullopt when they are none of them or do not decode; a BMP whose pixel bits end
// early gives the rows that are there and black for the rest. A PNG's transparent pixels are laid
// over `background`. maxPixels lets a caller such as a fuzzer lower the pixel cap.
std::optional<PixelBuffer> DecodePictureBytes(std::span<const std::uint8_t> bytes,
                                              std::int64_t maxPixels = MaxPicturePixels,
                                              Pixel background = WhiteBackground);
