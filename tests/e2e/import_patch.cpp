#include "import_patch.h"

#include <cstring>

namespace {

bool InsideProgram() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, sizeof path);
  const char* name = std::strrchr(path, '\\');
  name = name ? name + 1 : path;
  // The uninstall's helper copy is the program too.
  return lstrcmpiA(name, "PIKTORAN.EXE") == 0 || lstrcmpiA(name, "unin_quilo000.exe") == 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH && InsideProgram()) PatchProgram();
  return TRUE;
}

extern "C" __declspec(dllexport) LRESULT CALLBACK PatchingHook(int code, WPARAM removal, LPARAM data) {
  return CallNextHookEx(nullptr, code, removal, data);
}
