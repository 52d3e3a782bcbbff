#include "shell/file_system.h"

#include <optional>
#include <tuple>
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

namespace {

// The file's identity: its volume and its number there.
std::optional<std::tuple<DWORD, DWORD, DWORD>> FileIdentity(const std::string& path) {
  // No access asked: a running program's file opens too.
  const HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  const KernelHandle owned(file == INVALID_HANDLE_VALUE ? nullptr : file);
  BY_HANDLE_FILE_INFORMATION info{};
  if (!owned || !GetFileInformationByHandle(owned.Get(), &info)) return std::nullopt;
  return std::tuple{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  const auto identity = FileIdentity(a);
  return identity && identity == FileIdentity(b);
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
