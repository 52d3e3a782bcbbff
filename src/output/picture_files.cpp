#include "output/picture_files.h"

#include <algorithm>
#include <new>
#include <span>
#include <utility>
#include <vector>

#include "output/bmp_format.h"
#include "output/jpeg_codec.h"
#include "output/picture_bytes.h"
#include "ui/file_bytes.h"
#include "ui/handles.h"

namespace {

// Names tried for the temporary file before a save gives up.
constexpr int TemporaryNameTries = 16;

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return FlushFileBuffers(file) != 0;
}

struct TemporaryFile {
  std::string name;
  KernelHandle file;
};

// A new file beside the target, so that the final move stays on one volume and is a rename.
// Created only where no file stands: one that happens to have the name is the user's and stays.
std::optional<TemporaryFile> CreateTemporaryBeside(const std::string& fileName) {
  const std::string stem = fileName + ".~" + std::to_string(GetCurrentProcessId());
  for (int attempt = 0; attempt < TemporaryNameTries; ++attempt) {
    std::string name = attempt == 0 ? stem : stem + "." + std::to_string(attempt);
    KernelHandle file = OpenFile(name, GENERIC_WRITE, CREATE_NEW);
    if (file) return TemporaryFile{std::move(name), std::move(file)};
    // Another name only helps when this one is taken; a folder we cannot write stays so.
    if (GetFileAttributesA(name.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  }
  return std::nullopt;
}

bool WriteFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes) {
  // A rename would replace a read-only file on some systems; the user protected it.
  const DWORD attributes = GetFileAttributesA(fileName.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return false;
  }
  std::string temporary;
  bool written = false;
  {
    const std::optional<TemporaryFile> file = CreateTemporaryBeside(fileName);
    if (!file) return false;
    temporary = file->name;
    written = WriteAll(file->file.Get(), bytes);
  }
  if (written && MoveFileExA(temporary.c_str(), fileName.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return true;
  }
  DeleteFileA(temporary.c_str());
  return false;
}

}  // namespace

bool WriteBmpFile(const Picture& picture, const std::string& fileName) {
  if (picture.Empty()) return false;
  auto file = EncodeBmp(picture.ToPixelBuffer());
  if (!file) return false;
  CorrectBmpPixelOffset(*file);
  return WriteFileReplacing(fileName, *file);
}

bool WriteJpegFile(const Picture& picture, const std::string& fileName, int quality, bool progressive) {
  if (picture.Empty()) return false;
  const auto file = EncodeJpeg(picture.ToPixelBuffer(), quality, progressive);
  return file && WriteFileReplacing(fileName, *file);
}

std::optional<PixelBuffer> ReadPictureFile(const std::string& fileName) {
  try {
    const auto bytes = ReadWholeFile(fileName, MaxPictureFileBytes);
    if (bytes) return DecodePictureBytes(*bytes);
  } catch (const std::bad_alloc&) {
  }
  return std::nullopt;
}
