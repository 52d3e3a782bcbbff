#pragma once
#include <string>

#include "common/program_identity.h"

inline constexpr int UninstallHelperNumber = 0;

// "unin_quilo" + the helper number's last three digits after prefixing "000" + ".exe".
std::string UninstallHelperName(int helperNumber = UninstallHelperNumber);
// The helper's caption when it has no other: "UNINSTALL_QUILO" + the same three digits.
std::string UninstallHelperCaption(int helperNumber = UninstallHelperNumber);

enum class StartMode { Normal = 0, Uninstall = 1, UninstallHelper = 2, Busy = 999 };

// The main block's first decision, before any window is looked for.
StartMode DecideStartMode(const std::string* firstArgument, const std::string& ownFileName);

// The stored "Version" decides between main window and installer; empty or missing counts
// as "255", and a text that is no whole number mismatches like any other version.
bool StoredVersionMatches(const std::string* storedVersion);
