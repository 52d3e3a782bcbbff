#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "common/picture_limits.h"
#include "common/pixels.h"

// The writer's deflate settings, measured on 1920 x 1080 screenshots and photos
// (scripts/bench-codecs): every row with the Sub filter, which costs almost nothing and does as
// well as trying all five; zlib level 6 for flat pictures (screens, text), whose long runs pay
// for the deeper search, and level 3 for photo-like ones, where level 6 takes three times as
// long for files 4 % smaller.
inline constexpr int PngFlatLevel = 6;
inline constexpr int PngPhotoLevel = 3;

// The level for the picture: flat when at least half of a sample of its pixels repeat the one
// on their left.
int PngLevelFor(const PixelBuffer& picture);

// The picture as PNG file bytes: 8-bit RGB, not interlaced (our pictures have no alpha).
// nullopt for an empty picture, one beyond MaxPicturePixels or a side above MaxPictureSide, and
// when the file would grow beyond maxBytes: the reader would not take it back.
std::optional<std::vector<std::uint8_t>> EncodePng(const PixelBuffer& picture,
                                                   std::int64_t maxBytes = MaxPictureFileBytes);

// Why a PNG was refused.
enum class PngError {
  None,
  Corrupt,   // an error of the library: a bad signature, header, CRC of a critical chunk, data
  TooLarge,  // more pixels than the cap, or a side beyond MaxPictureSide
};

struct PngDecoded {
  PngError error = PngError::None;
  PixelBuffer picture;
};

// Decodes PNG file bytes at full size to 24-bit colour: every colour type and bit depth,
// palettes, interlaced files; 16-bit channels rounded to 8 bits, gamma left as stored. Partly
// transparent pixels (an alpha channel or a tRNS chunk) are laid over `background`, as the
// picture would show on it. The caps are checked on the header, before any pixel memory is
// taken, and a file whose image data ends early or is damaged is refused, never given in part.
PngDecoded DecodePng(std::span<const std::uint8_t> file, Pixel background,
                     std::int64_t maxPixels = MaxPicturePixels);
