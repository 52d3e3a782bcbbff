// Test-only hook library: the program on a Windows whose loader does not know the
// LOAD_LIBRARY_SEARCH_* flags (Vista, or 7 without its loader update), which refuses them as an
// invalid parameter. The program's imports are replaced once the library is loaded into it.
#include <windows.h>

#include "import_patch.h"

namespace {

decltype(&LoadLibraryExA) realLoadLibraryEx;

constexpr DWORD SearchFlags = LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_APPLICATION_DIR |
                              LOAD_LIBRARY_SEARCH_USER_DIRS | LOAD_LIBRARY_SEARCH_SYSTEM32 |
                              LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;

HMODULE WINAPI OlderLoadLibraryEx(LPCSTR name, HANDLE file, DWORD flags) {
  if (flags & SearchFlags) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return realLoadLibraryEx(name, file, flags);
}

}  // namespace

void PatchProgram() { realLoadLibraryEx = ReplaceImport("kernel32.dll", "LoadLibraryExA", OlderLoadLibraryEx); }
