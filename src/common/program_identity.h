#pragma once
// Values fixed before the first window exists; shared by the main window, the installer
// and the uninstaller.
inline constexpr int ProgramVersion = 17;  // tens digit major, units digit minor
inline constexpr const char* ProgramBaseName = "PIKTORAN";
inline constexpr const char* ProgramTitle = "ピクトラン";
// The maker, as Windows' list of installed programs names the publisher.
inline constexpr const char* ProgramMaker = "QUILOSOFT";
// The first of the program's files (the others: .TXT, .HLP, .GID of the same base name).
inline constexpr const char* ProgramFileName = "PIKTORAN.EXE";

// The settings key under HKEY_CURRENT_USER.
inline constexpr const char* SettingsKeyPath = "Software\\QUILO SOFT32\\PIKTORAN";
