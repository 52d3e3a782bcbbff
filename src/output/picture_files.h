#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/picture_limits.h"
#include "common/pixels.h"
#include "formats/picture_bytes.h"
#include "ui/file_bytes.h"
#include "ui/picture.h"

// Writes the picture as a BMP file with the pixel-offset correction of CorrectBmpPixelOffset.
// The file is written beside the target first, under a name no file had, and moved over the
// target only when complete, so a failed save leaves whatever stood under either name untouched.
// With ExistingTarget::Keep a file standing under the name fails the save instead.
bool WriteBmpFile(const Picture& picture, const std::string& fileName,
                  ExistingTarget existing = ExistingTarget::Replace);

// The same for a JPEG file of the given quality (1..100), progressive on request.
bool WriteJpegFile(const Picture& picture, const std::string& fileName, int quality, bool progressive,
                   ExistingTarget existing = ExistingTarget::Replace);

// The same for a PNG file: 8-bit RGB.
bool WritePngFile(const Picture& picture, const std::string& fileName,
                  ExistingTarget existing = ExistingTarget::Replace);

// Reads a BMP, JPEG or PNG file (DecodePictureBytes), a PNG's transparent pixels laid over
// `background`; nullopt also when the file cannot be read or is larger than MaxPictureFileBytes.
std::optional<PixelBuffer> ReadPictureFile(const std::string& fileName, Pixel background = WhiteBackground);
