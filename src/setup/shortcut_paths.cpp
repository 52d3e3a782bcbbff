#include "setup/shortcut_paths.h"

#include "common/path_helpers.h"

namespace {

std::string FileIn(const std::string& folder, const std::string& name) {
  return folder.empty() ? std::string() : AddTrailingSeparator(folder) + name;
}

}  // namespace

std::string GroupFolder(const std::string& programsFolder, const std::string& groupName) {
  return FileIn(programsFolder, groupName);
}

ShortcutPaths BuildShortcutPaths(const std::string& programsFolder, const std::string& desktopFolder,
                                 const std::string& startupFolder, const std::string& groupName,
                                 const std::string& title) {
  const std::string link = title + ".lnk";
  return {FileIn(GroupFolder(programsFolder, groupName), link), FileIn(desktopFolder, link),
          FileIn(startupFolder, link)};
}
