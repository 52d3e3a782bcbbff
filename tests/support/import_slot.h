#pragma once
// Test-only: replaces a function that the process's main program imports, in its own import
// table. Only the program's own calls are affected; the system libraries keep theirs.
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
