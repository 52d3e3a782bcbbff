#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Paths written with the shell's display names (a localized folder name, say) and their
// file-system paths, over whatever answers for the shell.

// The subfolders of one folder: display names sorted (letter case ignored) and, at the same
// positions, their parsing names (full file-system paths).
struct Subfolders {
  std::vector<std::string> displayNames;
  std::vector<std::string> parsingNames;
};

// Puts (display name, parsing name) pairs in the order of their display names; pairs stay
// together, duplicates included.
Subfolders SortedSubfolders(std::vector<std::pair<std::string, std::string>> pairs);

// Where a name lies among names: as written, else with letter case ignored.
std::optional<std::size_t> FindName(const std::vector<std::string>& names, std::string_view name);

class ShellFolders {
 public:
  virtual ~ShellFolders() = default;
  virtual bool FolderExists(const std::string& path) = 0;
  // ListShellSubfolders; nothing when the shell cannot enumerate the folder.
  virtual std::optional<Subfolders> ListSubfolders(const std::string& folder) = 0;
};

// True when `path` now names an existing file-system folder (a drive path); `path` is left
// alone on failure.
bool ResolveDisplayPath(std::string& path, ShellFolders& shell);

// True when every level of the existing folder `path` got its display name; `path` then holds
// the display-name path.
bool ToDisplayPath(std::string& path, ShellFolders& shell);

// The deepest existing folder above `path` (its own parent first); when none exists, the root
// of the Windows folder's drive.
std::string NearestExistingFolder(std::string_view path, ShellFolders& shell, std::string_view windowsFolder);
