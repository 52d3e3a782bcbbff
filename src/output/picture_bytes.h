#pragma once
#include <cstdint>
#include <optional>
#include <span>

#include "common/picture_limits.h"
#include "common/pixels.h"

// The picture in a file's bytes, BMP or JPEG, told apart by their first bytes whatever the file
// name says. nullopt when they are neither or do not decode; a BMP whose pixel bits end early
// gives the rows that are there and black for the rest. maxPixels lets a caller such as a fuzzer
// lower the pixel cap.
std::optional<PixelBuffer> DecodePictureBytes(std::span<const std::uint8_t> bytes,
                                              std::int64_t maxPixels = MaxPicturePixels);
