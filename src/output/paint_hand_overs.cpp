#include "output/paint_hand_overs.h"

#include <new>

#include "output/paint_program_path.h"
#include "output/picture_files.h"
#include "output/user_work_folder.h"
#include "ui/file_bytes.h"
#include "ui/win32.h"

namespace {

// Names tried within one second before giving up.
constexpr int MaxAttempts = 100;

std::uint64_t Combined(DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; }

HandOverTime Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace

std::string PaintHandOvers::Write(const Picture& picture) {
  const std::string folder = UserWorkFolder();
  if (folder.empty()) return {};
  const HandOverTime time = Now();
  for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
    const std::string path = folder + PaintHandOverName(time, attempt);
    // The name is taken only when no file had it: a picture saved there is never written over.
    if (!OpenFile(path, GENERIC_WRITE, CREATE_NEW)) {
      if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return {};  // the folder refuses
      continue;
    }
    bool written = false;
    try {
      written = WriteBmpFile(picture, path);
    } catch (const std::bad_alloc&) {
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (written && GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
      // Only now: an earlier name must not come free for this one while a paint program may
      // still show the picture under it.
      RemoveServed();
      handOvers_.push_back({path, Combined(data.nFileSizeHigh, data.nFileSizeLow),
                            Combined(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)});
      return path;
    }
    DeleteFileA(path.c_str());  // the empty file that took the name, or our unrecorded picture
    return {};
  }
  return {};
}

void PaintHandOvers::RemoveServed() { std::erase_if(handOvers_, RemoveIfServed); }

bool PaintHandOvers::RemoveIfServed(const HandOver& handOver) {
  // Opened for nobody else: fails while the paint program holds the file, and nothing can write
  // to it between the look and the removal.
  const HANDLE opened = CreateFileA(handOver.path.c_str(), DELETE | FILE_READ_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
  }
  const KernelHandle file(opened);
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file.Get(), &info)) return false;
  if (Combined(info.nFileSizeHigh, info.nFileSizeLow) != handOver.size ||
      Combined(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime) != handOver.written) {
    return true;  // saved over in the paint program: the user's picture now
  }
  FILE_DISPOSITION_INFO disposition{TRUE};
  return SetFileInformationByHandle(file.Get(), FileDispositionInfo, &disposition, sizeof disposition) != FALSE;
}
