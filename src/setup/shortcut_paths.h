#pragma once
#include <string>

// Where the program's shortcuts lie: in its Program Manager group, on the desktop and in
// the start-up folder; each ends in the program title + ".lnk".
struct ShortcutPaths {
  std::string group;
  std::string desktop;
  std::string startup;
};

ShortcutPaths BuildShortcutPaths(const std::string& programsFolder, const std::string& desktopFolder,
                                 const std::string& startupFolder, const std::string& groupName,
                                 const std::string& title);
