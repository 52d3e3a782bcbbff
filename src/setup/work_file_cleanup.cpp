#include "setup/work_file_cleanup.h"

#include <functional>
#include <vector>

#include "common/path_helpers.h"
#include "setup/work_file_removal.h"
#include "ui/handles.h"

namespace {

// The long form of a path (the wallpaper may be named by its short one); the path as it is when
// it cannot be had.
std::string LongName(const std::string& path) {
  char name[MAX_PATH] = {};
  const DWORD length = GetLongPathNameA(path.c_str(), name, sizeof name);
  return length > 0 && length < sizeof name ? std::string(name, length) : path;
}

std::string CurrentWallpaper() {
  char name[MAX_PATH] = {};
  if (!SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof name, name, 0) || !name[0]) return {};
  return LongName(name);
}

void DeleteFilesIn(const std::string& folder, const std::function<bool(const std::string&)>& goes,
                   const std::string& wallpaper) {
  const std::string longFolder = AddTrailingSeparator(LongName(folder));
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  if (const FindHandle search(FindFirstFileA((longFolder + "*").c_str(), &found)); search) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.emplace_back(found.cFileName);
    } while (FindNextFileA(search.Get(), &found));
  }
  for (const std::string& name : names) {
    if (goes(name) && !IsWallpaper(longFolder, name, wallpaper)) DeleteFileA((longFolder + name).c_str());
  }
}

}  // namespace

void RemoveWorkFiles(const std::string& programFolder, const std::string& userWorkFolder) {
  const std::string wallpaper = CurrentWallpaper();
  DeleteFilesIn(programFolder, IsProgramFolderWorkFile, wallpaper);
  if (userWorkFolder.empty()) return;
  DeleteFilesIn(userWorkFolder, [](const std::string&) { return true; }, wallpaper);
  RemoveDirectoryA(RemoveTrailingSeparator(userWorkFolder).c_str());
}
