#include "app/long_path.h"

#include "common/path_helpers.h"
#include "ui/handles.h"

std::string ExpandLongPath(const std::string& path) {
  const std::string trimmed = RemoveTrailingSeparator(path);
  // The drive root is never found as an entry; wildcards would find other names.
  if (trimmed.find_first_of("*?") != std::string::npos) return trimmed;
  WIN32_FIND_DATAA entry;
  FindHandle search(FindFirstFileA(trimmed.c_str(), &entry));
  if (!search) return trimmed;
  const std::vector<std::string> prefixes = CumulativePaths(trimmed);
  // Walk up one level at a time; a path with no parent (no separator) has nothing above it.
  if (prefixes.size() < 2) return entry.cFileName;
  return AddTrailingSeparator(ExpandLongPath(prefixes[prefixes.size() - 2])) + entry.cFileName;
}
