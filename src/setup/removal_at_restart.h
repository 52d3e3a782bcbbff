#pragma once
#include <string>

// Has the file deleted when Windows next starts: through the system's list of pending file
// operations, which only administrators may add to, else through a command the user's next
// log-on runs once (HKEY_CURRENT_USER's RunOnce). False when neither was accepted.
bool RemoveAtRestart(const std::string& path);
