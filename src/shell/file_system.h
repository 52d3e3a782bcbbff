#pragma once
#include <string>
#include <vector>

// File-system queries shared by every window.

// True when the path's attributes can be read and carry the directory flag.
bool FolderExists(const std::string& path);
// True when the path names an existing file or folder.
bool PathExists(const std::string& path);
// The Windows folder with a trailing separator.
std::string WindowsFolder();
// Full path of the running executable.
std::string ExecutablePath();
// Folder of the running executable with a trailing separator.
std::string ExecutableFolder();
// True when the path names an existing file (not a folder).
bool FileExists(const std::string& path);
// True when both paths name one existing file, however each is spelt (short names, letter case).
bool SameFile(const std::string& a, const std::string& b);
// The names (without folder) of the files and folders in `folder` that match `pattern`
// ("PIKTO*"); empty when there are none or the folder cannot be read.
std::vector<std::string> NamesInFolder(const std::string& folder, const std::string& pattern);
