#pragma once
#include <string>

// Where the program's shortcuts lie: in its Program Manager group, on the desktop and in
// the start-up folder; each ends in the program title + ".lnk". A shell folder the registry
// leaves empty gives an empty path: as a relative one it would name a file in whatever folder
// is current.
struct ShortcutPaths {
  std::string group;
  std::string desktop;
  std::string startup;
};

ShortcutPaths BuildShortcutPaths(const std::string& programsFolder, const std::string& desktopFolder,
                                 const std::string& startupFolder, const std::string& groupName,
                                 const std::string& title);

// The folder of a Program Manager group under the Start menu's programs; empty when that is
// unknown.
std::string GroupFolder(const std::string& programsFolder, const std::string& groupName);
