#pragma once
#include <string>

// Values fixed before the first window exists; shared by the main window, the installer
// and the uninstaller.
inline constexpr int ProgramVersion = 17;  // tens digit major, units digit minor
inline constexpr const char* ProgramBaseName = "PIKTORAN";
inline constexpr const char* ProgramTitle = "ピクトラン";
inline constexpr int UninstallHelperNumber = 0;

// The settings key under HKEY_CURRENT_USER.
inline constexpr const char* SettingsKeyPath = "Software\\QUILO SOFT32\\PIKTORAN";

// "unin_quilo" + the helper number's last three digits after prefixing "000" + ".exe".
std::string UninstallHelperName(int helperNumber = UninstallHelperNumber);

enum class StartMode { Normal = 0, Uninstall = 1, UninstallHelper = 2, Busy = 999 };

// The main block's first decision, before any window is looked for.
StartMode DecideStartMode(const std::string* firstArgument, const std::string& ownFileName);

// The stored "Version" decides between main window and installer; empty or missing counts
// as "255", and a text that is no whole number mismatches like any other version.
bool StoredVersionMatches(const std::string* storedVersion);
