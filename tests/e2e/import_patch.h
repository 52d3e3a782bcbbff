#pragma once
// Test-only: replaces functions that PIKTORAN.EXE imports, in its own import table, so that the
// program meets what current Windows answers where Wine answers otherwise.
#include "support/import_slot.h"

// Each hook library defines what it replaces. import_patch.cpp calls it once the library is loaded
// into PIKTORAN.EXE or its uninstall helper copy (not into the test program that sets the hook), and
// exports the message hook procedure that loads the library, which only passes messages on.
void PatchProgram();
inline constexpr const char* PatchingHookName = "PatchingHook";
