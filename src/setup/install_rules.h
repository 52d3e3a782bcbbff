#pragma once
#include <cstddef>
#include <string>
#include <vector>

// The installer's rules that need no window.

// Windows' list of installed programs holds our entry here, under HKEY_LOCAL_MACHINE.
inline constexpr const char* UninstallEntryKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PIKTORAN";

// The proposed folder without a stored one: the Windows folder's drive root, "QUILOP32\", the
// program's base name ("C:\QUILOP32\PIKTORAN").
std::string DefaultInstallFolder(const std::string& windowsFolder, const std::string& baseName);

// The group box's entries: Program Manager's groups sorted without regard to letter case,
// "QUILO SOFT" (when there) second to last and "QUILO SOFT32" always last.
std::vector<std::string> OrderInstallGroups(std::vector<std::string> groups);

// The entry to select: the stored group when the box holds it (letter case aside), else the last.
std::size_t PreselectedGroup(const std::vector<std::string>& groups, const std::string& stored);

// The files the installer copies, the program first: "PIKTORAN.EXE", its read-me (.TXT), help
// file (.HLP) and help page (.HTM).
std::vector<std::string> ProgramFileNames();

// The uninstall entry's command: the program's path in double quotes (a path with blanks would
// otherwise let Windows start another program, such as C:\Program.exe) and " /uninstall".
std::string UninstallCommand(const std::string& programPath);

// The message that ends a completed installation.
std::string InstallCompletedText(const std::string& group);
