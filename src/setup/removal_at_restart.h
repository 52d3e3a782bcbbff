#pragma once
#include <string>

// Has the file deleted later: when Windows next starts, through the system's list of pending
// file operations, which only administrators may add to; else when the user next signs in (not
// at the restart itself), through a command that HKEY_CURRENT_USER's RunOnce runs once. False
// when neither was accepted, or the path is one the command cannot name safely.
bool RemoveAtRestartOrSignIn(const std::string& path);
