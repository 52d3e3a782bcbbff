#include "shell/display_paths.h"

#include <algorithm>

#include "common/path_helpers.h"
#include "common/shift_jis.h"

Subfolders SortedSubfolders(std::vector<std::pair<std::string, std::string>> pairs) {
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const auto& a, const auto& b) { return AsciiUpperCase(a.first) < AsciiUpperCase(b.first); });
  Subfolders result;
  for (auto& [display, parsing] : pairs) {
    result.displayNames.push_back(std::move(display));
    result.parsingNames.push_back(std::move(parsing));
  }
  return result;
}

std::optional<std::size_t> FindName(const std::vector<std::string>& names, std::string_view name) {
  if (auto found = std::find(names.begin(), names.end(), name); found != names.end()) {
    return static_cast<std::size_t>(found - names.begin());
  }
  const std::string key = AsciiUpperCase(name);
  const auto found =
      std::find_if(names.begin(), names.end(), [&key](const std::string& n) { return AsciiUpperCase(n) == key; });
  if (found == names.end()) return std::nullopt;
  return static_cast<std::size_t>(found - names.begin());
}

namespace {

// The last components of parsing names: the folders' real names.
std::vector<std::string> RealNames(const Subfolders& folders) {
  std::vector<std::string> names;
  for (const std::string& parsing : folders.parsingNames) {
    const auto components = ComponentsWithoutSeparators(parsing);
    names.push_back(components.empty() ? std::string() : components.back());
  }
  return names;
}

// A letter and a colon: a shell path such as "::{…}" also has its colon second.
bool IsDrivePath(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && AsciiUpperCase(path.substr(0, 1)) >= "A" &&
         AsciiUpperCase(path.substr(0, 1)) <= "Z";
}

}  // namespace

bool ResolveDisplayPath(std::string& path, ShellFolders& shell) {
  const std::vector<std::string> components = ComponentsWithoutSeparators(path);
  if (components.size() <= 1) return true;
  std::string current = components.front();
  for (std::size_t i = 1; i < components.size(); ++i) {
    const std::string candidate = AddTrailingSeparator(current) + components[i];
    if (shell.FolderExists(candidate)) {
      current = candidate;
      continue;
    }
    const std::optional<Subfolders> folders = shell.ListSubfolders(current);
    if (!folders) return false;
    const std::optional<std::size_t> at = FindName(folders->displayNames, components[i]);
    if (!at) return false;
    current = folders->parsingNames[*at];
  }
  if (!IsDrivePath(current)) return false;
  path = current;
  return true;
}

bool ToDisplayPath(std::string& path, ShellFolders& shell) {
  std::string real = path;
  if (!shell.FolderExists(real) && (!ResolveDisplayPath(real, shell) || !shell.FolderExists(real))) return false;
  const std::vector<std::string> components = ComponentsWithoutSeparators(real);
  if (components.empty()) return false;
  std::string shown = components.front();
  std::string parent = components.front();
  for (std::size_t i = 1; i < components.size(); ++i) {
    const std::optional<Subfolders> folders = shell.ListSubfolders(parent);
    if (!folders) return false;
    const std::optional<std::size_t> at = FindName(RealNames(*folders), components[i]);
    if (!at) return false;
    shown = AddTrailingSeparator(shown) + folders->displayNames[*at];
    parent = AddTrailingSeparator(parent) + components[i];
  }
  path = shown;
  return true;
}

std::string NearestExistingFolder(std::string_view path, ShellFolders& shell, std::string_view windowsFolder) {
  std::string parent = ParentPath(path);
  if (!shell.FolderExists(parent)) ResolveDisplayPath(parent, shell);
  const std::vector<std::string> prefixes = CumulativePaths(parent);
  for (auto prefix = prefixes.rbegin(); prefix != prefixes.rend(); ++prefix) {
    if (shell.FolderExists(*prefix)) return *prefix;
  }
  return std::string(windowsFolder.substr(0, 3));
}
