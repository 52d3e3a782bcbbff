#include "formats/picture_bytes.h"

#include <utility>

#include "formats/bmp_format.h"
#include "formats/jpeg_codec.h"
#include "formats/png_codec.h"

std::optional<PixelBuffer> DecodePictureBytes(std::span<const std::uint8_t> bytes, std::int64_t maxPixels, Pixel background) {
  if (bytes.size() < 2) return std::nullopt;
  if (bytes[0] == 'B' && bytes[1] == 'M') {
    BmpDecoded decoded = DecodeBmp(bytes, maxPixels);
    if (decoded.error != BmpError::None || decoded.picture.Empty()) return std::nullopt;
    return std::move(decoded.picture);
  }
  if (bytes[0] == 0xFF && bytes[1] == 0xD8) {
    JpegDecoded decoded = DecodeJpeg(bytes, maxPixels);
    if (decoded.error != JpegError::None || decoded.picture.Empty()) return std::nullopt;
    return std::move(decoded.picture);
  }
  if (bytes[0] == 0x89 && bytes.size() >= 4 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') {
    PngDecoded decoded = DecodePng(bytes, background, maxPixels);
    if (decoded.error != PngError::None || decoded.picture.Empty()) return std::nullopt;
    return std::move(decoded.picture);
  }
  return std::nullopt;
}
