#pragma once
// Test-only: replaces a function that PIKTORAN.EXE imports, in its own import table, so that
// the program meets what current Windows answers where Wine answers otherwise. Only the
// program's own calls are affected; the system libraries keep theirs.
#include <windows.h>

// The import slot of `function` from `library` in the process's main module; nullptr when the
// program does not import it.
void** ImportSlot(const char* library, const char* function);

// Puts `replacement` into the slot and returns what was there (nullptr when not imported).
template <typename Function>
Function* ReplaceImport(const char* library, const char* function, Function* replacement) {
  void** slot = ImportSlot(library, function);
  if (!slot) return nullptr;
  DWORD protection = 0;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  auto* original = reinterpret_cast<Function*>(*slot);
  *slot = reinterpret_cast<void*>(replacement);
  VirtualProtect(slot, sizeof *slot, protection, &protection);
  return original;
}

// Each hook library defines what it replaces. import_patch.cpp calls it once the library is loaded
// into PIKTORAN.EXE or its uninstall helper copy (not into the test program that sets the hook), and
// exports the message hook procedure that loads the library, which only passes messages on.
void PatchProgram();
inline constexpr const char* PatchingHookName = "PatchingHook";
