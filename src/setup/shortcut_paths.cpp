#include "setup/shortcut_paths.h"

#include "common/path_helpers.h"

ShortcutPaths BuildShortcutPaths(const std::string& programsFolder, const std::string& desktopFolder,
                                 const std::string& startupFolder, const std::string& groupName,
                                 const std::string& title) {
  const std::string link = title + ".lnk";
  return {AddTrailingSeparator(programsFolder + "\\" + groupName) + link, AddTrailingSeparator(desktopFolder) + link,
          AddTrailingSeparator(startupFolder) + link};
}
