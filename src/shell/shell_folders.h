#pragma once
#include "shell/display_paths.h"

// The shell's own namespace: display and parsing names of real folders (ListShellSubfolders)
// and the file system's folder test.
class ShellNamespace : public ShellFolders {
 public:
  bool FolderExists(const std::string& path) override;
  std::optional<Subfolders> ListSubfolders(const std::string& folder) override;
};

// The display names of a folder's subfolders alone, sorted; nothing when the shell fails.
std::optional<std::vector<std::string>> ListShellSubfolderNames(const std::string& folder);

// Where the browser and the installer find the shell.
ShellNamespace& SystemShell();
