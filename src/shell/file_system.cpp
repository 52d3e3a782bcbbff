#include "shell/file_system.h"

#include <vector>

#include "common/path_helpers.h"
#include "ui/handles.h"

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WindowsFolder() {
  char buffer[300] = {};
  const UINT length = GetWindowsDirectoryA(buffer, sizeof buffer);
  return AddTrailingSeparator(length < sizeof buffer ? std::string(buffer, length) : std::string());
}

std::string ExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

std::string ExecutableFolder() {
  const std::vector<std::string> prefixes = CumulativePaths(ExecutablePath());
  return prefixes.size() >= 2 ? AddTrailingSeparator(prefixes[prefixes.size() - 2]) : std::string();
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> NamesInFolder(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  const FindHandle search(FindFirstFileA((AddTrailingSeparator(folder) + pattern).c_str(), &found));
  if (!search) return names;
  do {
    names.emplace_back(found.cFileName);
  } while (FindNextFileA(search.Get(), &found));
  return names;
}
