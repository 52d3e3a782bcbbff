#include "output/picture_files.h"

#include <new>

#include "formats/bmp_format.h"
#include "formats/jpeg_codec.h"
#include "formats/picture_bytes.h"
#include "formats/png_codec.h"
#include "ui/file_bytes.h"

bool WriteBmpFile(const Picture& picture, const std::string& fileName, ExistingTarget existing) {
  if (picture.Empty()) return false;
  auto file = EncodeBmp(picture.ToPixelBuffer());
  if (!file) return false;
  CorrectBmpPixelOffset(*file);
  return WriteFileReplacing(fileName, *file, existing);
}

bool WriteJpegFile(const Picture& picture, const std::string& fileName, int quality, bool progressive,
                   ExistingTarget existing) {
  if (picture.Empty()) return false;
  const auto file = EncodeJpeg(picture.ToPixelBuffer(), quality, progressive);
  return file && WriteFileReplacing(fileName, *file, existing);
}

bool WritePngFile(const Picture& picture, const std::string& fileName, ExistingTarget existing) {
  if (picture.Empty()) return false;
  const auto file = EncodePng(picture.ToPixelBuffer());
  return file && WriteFileReplacing(fileName, *file, existing);
}

std::optional<PixelBuffer> ReadPictureFile(const std::string& fileName, Pixel background) {
  try {
    const auto bytes = ReadWholeFile(fileName, MaxPictureFileBytes);
    if (bytes) return DecodePictureBytes(*bytes, MaxPicturePixels, background);
  } catch (const std::bad_alloc&) {
  }
  return std::nullopt;
}
