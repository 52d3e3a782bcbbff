#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "common/picture_limits.h"
#include "common/pixels.h"

inline constexpr int MinJpegQuality = 1;
inline constexpr int MaxJpegQuality = 100;
// libjpeg-turbo's own fuzzers stop at 100 scans; a real progressive file has about ten.
inline constexpr int MaxJpegScans = 100;

// The picture as JPEG file bytes: 24-bit RGB in, the library's defaults, the quality clamped to
// 1..100 with baseline quantisation tables, progressive scans on request. nullopt when the
// library refuses (for example an empty picture or a side above MaxJpegSide), for a picture
// beyond MaxPicturePixels, and when the file would grow beyond maxBytes: the reader would not
// take it back.
std::optional<std::vector<std::uint8_t>> EncodeJpeg(const PixelBuffer& picture, int quality, bool progressive,
                                                    std::int64_t maxBytes = MaxPictureFileBytes);

// Why a JPEG was refused.
enum class JpegError {
  None,
  Corrupt,       // an error or a warning of the library (truncated or damaged data, a side of 0)
  TooLarge,      // more pixels than the cap
  TooManyScans,  // more scans than MaxJpegScans
};

struct JpegDecoded {
  JpegError error = JpegError::None;
  PixelBuffer picture;
};

// Decodes JPEG file bytes at full size to 24-bit colour; grey, RGB, YCbCr, and the CMYK and
// YCCK of print work (inverted when an Adobe marker says so). Every warning counts as a failure,
// so a truncated file is refused instead of shown half grey. The pixel cap is checked on the
// header, before the library allocates for the picture.
JpegDecoded DecodeJpeg(std::span<const std::uint8_t> file, std::int64_t maxPixels = MaxPicturePixels);
