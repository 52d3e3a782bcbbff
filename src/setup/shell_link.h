#pragma once
#include <string>

// The user's start-up folder and Programs folder of the Start menu as the shell knows them
// (their known folders, whatever the registry's group names say), with trailing separator; empty
// when the shell names none.
std::string StartupFolder();
std::string ProgramsFolder();

// Writes a shortcut to `target` at `linkPath` through the shell, starting in the target's
// folder; false when it could not be written.
bool CreateShellLink(const std::string& linkPath, const std::string& target, const std::string& description);
