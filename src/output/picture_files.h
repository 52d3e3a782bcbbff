#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/picture_limits.h"
#include "common/pixels.h"
#include "ui/picture.h"

// Writes the picture as a BMP file with the pixel-offset correction of CorrectBmpPixelOffset.
// The file is written beside the target first and moved over it only when complete, so a failed
// save leaves whatever stood under that name untouched.
bool WriteBmpFile(const Picture& picture, const std::string& fileName);

// The same for a JPEG file of the given quality (1..100), progressive on request.
bool WriteJpegFile(const Picture& picture, const std::string& fileName, int quality, bool progressive);

// Reads a BMP or a JPEG file, told apart by their first bytes, whatever the extension says.
// nullopt when the file cannot be read, is too large, is neither, or does not decode; a BMP
// whose pixel bits end early gives the rows that are there and black for the rest.
std::optional<PixelBuffer> ReadPictureFile(const std::string& fileName);
