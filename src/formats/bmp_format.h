#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "common/picture_limits.h"
#include "common/pixels.h"

// Mends the pixel offset of a BMP file image the way the program's BMP writer does before it
// writes the file: a writer that forgot its colour table gives bfOffBits = 14 + biSize although
// biClrUsed entries follow the header. The offset is moved past the table when the buffer holds
// the table and the pixel bytes behind it; anything else, including sides and bit counts no BMP
// can have, stays as it is.
void CorrectBmpPixelOffset(std::span<std::uint8_t> file);

// The picture as a complete BMP file image: file header, 40-byte info header, 24-bit rows
// bottom-up. nullopt for an empty picture or one beyond the reader's caps.
std::optional<std::vector<std::uint8_t>> EncodeBmp(const PixelBuffer& picture);

// Why a BMP was refused.
enum class BmpError {
  None,
  NotBmp,             // no "BM", or too short for its headers
  UnknownHeader,      // info header size none of the known layouts has
  BadSize,            // width <= 0, height 0 or INT_MIN
  TooLarge,           // a side or the pixel count above the caps
  UnsupportedFormat,  // bit count, compression or their combination
  BadPixelOffset,     // pixel bits inside the headers or beyond the end of the file
  NoPixelData,        // not one row of bits, or an RLE stream that draws no pixel
};

struct BmpDecoded {
  BmpError error = BmpError::None;
  // False when the pixel bits ended early or an RLE stream stopped without its end code; the
  // pixels never reached are black.
  bool complete = false;
  PixelBuffer picture;
};

// Reads a BMP file image (core or info headers up to V5; 1, 4, 8, 16, 24 and 32 bits; plain,
// bit fields, RLE8 and RLE4, each bottom-up or top-down). Palette indexes beyond the palette
// give black. maxPixels lets a caller such as a fuzzer lower the pixel cap.
BmpDecoded DecodeBmp(std::span<const std::uint8_t> file, std::int64_t maxPixels = MaxPicturePixels);
