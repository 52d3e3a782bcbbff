#include "ui/file_bytes.h"

#include <algorithm>
#include <utility>

namespace {

// Names tried for the temporary file before a save gives up.
constexpr int TemporaryNameTries = 16;
// How long the final rename waits for another program to let go of the new file: 1 s at most.
constexpr int RenameTries = 20;
constexpr DWORD RenameWaitMs = 50;

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

}  // namespace

KernelHandle OpenFile(const std::string& name, DWORD access, DWORD disposition) {
  HANDLE file = CreateFileA(name.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
  return KernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& name, std::int64_t maxBytes) {
  const KernelHandle file = OpenFile(name);
  LARGE_INTEGER size{};
  if (!file || !GetFileSizeEx(file.Get(), &size) || size.QuadPart > maxBytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 24));
    if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) return std::nullopt;
    done += read;
  }
  return bytes;
}

ReplacingFile::ReplacingFile(std::string target, ExistingTarget existing)
    : target_(std::move(target)), existing_(existing) {
  // A rename would replace a read-only file on some systems; the user protected it.
  const DWORD attributes = GetFileAttributesA(target_.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) {
    return;
  }
  if (auto file = CreateTemporaryBeside(target_)) {
    temporary_ = std::move(file->name);
    file_ = std::move(file->file);
  }
}

ReplacingFile::~ReplacingFile() {
  if (temporary_.empty()) return;
  file_ = KernelHandle();
  DeleteFileA(temporary_.c_str());
}

bool ReplacingFile::Write(std::span<const std::uint8_t> bytes) {
  if (!file_) return false;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file_.Get(), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return true;
}

bool ReplacingFile::Commit() {
  if (!file_ || !FlushFileBuffers(file_.Get())) return false;
  file_ = KernelHandle();
  // The shell (its desktop shows shortcut files) and virus scanners open a new file for a moment
  // when it appears; the rename waits that moment out rather than failing the save.
  const DWORD replace = existing_ == ExistingTarget::Replace ? MOVEFILE_REPLACE_EXISTING : 0;
  for (int attempt = 0;; ++attempt) {
    if (MoveFileExA(temporary_.c_str(), target_.c_str(), replace | MOVEFILE_WRITE_THROUGH)) break;
    const DWORD error = GetLastError();
    if (attempt == RenameTries || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED)) return false;
    Sleep(RenameWaitMs);
  }
  temporary_.clear();
  return true;
}

bool WriteFileReplacing(const std::string& fileName, std::span<const std::uint8_t> bytes, ExistingTarget existing) {
  ReplacingFile file(fileName, existing);
  return file.Write(bytes) && file.Commit();
}
