#pragma once
// The exchange between the e2e program and standard_user.dll, a test-only hook library that
// Wine loads into PIKTORAN's process as a message hook. Wine runs every program with every right;
// Windows 10 and 11 run a program started normally as a standard user, without registry or file
// virtualisation for a 64-bit program. The library answers the program's own calls as Windows
// does then, with ERROR_ACCESS_DENIED for:
// - opening or creating a key for writing, and deleting a key, under HKEY_LOCAL_MACHINE and
//   HKEY_USERS\.Default;
// - creating, writing, moving or deleting files and folders in the Windows folder and the
//   program-files folders;
// - a move put off until the next restart (MOVEFILE_DELAY_UNTIL_REBOOT), which only
//   administrators may ask for.
// Name of the hook procedure the library exports; it only passes messages on.
inline constexpr const char* StandardUserHookName = "StandardUserHook";
