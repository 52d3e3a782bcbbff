#pragma once
#include <string>

// The user's start-up folder as the shell knows it (its known folder, whatever the registry's
// group names say), with trailing separator; empty when the shell names none.
std::string StartupFolder();

// Writes a shortcut to `target` at `linkPath` through the shell, starting in the target's
// folder; false when it could not be written.
bool CreateShellLink(const std::string& linkPath, const std::string& target, const std::string& description);
