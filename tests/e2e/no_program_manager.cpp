// Test-only hook library: no Program Manager answers PIKTORAN (see no_program_manager.h). The
// program's imports are replaced once the library is loaded into it.
#include "no_program_manager.h"

#include <windows.h>
// After <windows.h>, which it needs.
#include <ddeml.h>

#include "import_patch.h"

namespace {

HCONV WINAPI NoServerConnect(DWORD, HSZ, HSZ, PCONVCONTEXT) { return nullptr; }

UINT WINAPI NoConversationError(DWORD) { return DMLERR_NO_CONV_ESTABLISHED; }

}  // namespace

void PatchProgram() {
  ReplaceImport("user32.dll", "DdeConnect", NoServerConnect);
  ReplaceImport("user32.dll", "DdeGetLastError", NoConversationError);
}
