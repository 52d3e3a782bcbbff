#pragma once
// A folder of a test's own under the temporary folder; whatever the test left in it (read-only
// files included) goes with the folder when the object ends.
#include <windows.h>

#include <string>
#include <vector>

class TempFolder {
 public:
  explicit TempFolder(const std::string& tag) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    std::string base = temp;
    if (!base.empty() && base.back() != '\\') base += '\\';
    path_ = base + "piktoran " + tag + " " + std::to_string(GetCurrentProcessId()) + "\\";
    created_ = CreateDirectoryA(path_.c_str(), nullptr) != FALSE;
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    for (const std::string& name : Contents()) {
      SetFileAttributesA((path_ + name).c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA((path_ + name).c_str());
    }
    RemoveDirectoryA(path_.c_str());
  }

  bool Created() const { return created_; }
  // With its trailing separator.
  const std::string& Path() const { return path_; }
  std::string Path(const std::string& name) const { return path_ + name; }

  std::vector<std::string> Contents() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      const std::string name = found.cFileName;
      if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }

 private:
  std::string path_;
  bool created_ = false;
};
