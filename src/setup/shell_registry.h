#pragma once
#include <string>

// Where the shell keeps the user's folders and Program Manager's start-up group, as the current
// user's registry says; empty when the value is missing.

// "Programs", "Desktop" or "Startup" of the Shell Folders key.
std::string ShellFolderPath(const char* name);
// The start-up group's name ("StartUp" of the MapGroups key).
std::string StartUpGroupName();
