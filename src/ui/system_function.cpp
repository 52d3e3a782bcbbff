#include "ui/system_function.h"

#include <map>
#include <string>

#include "ui/handles.h"

namespace {

// Only from the system folder: a library of that name beside the program must not be taken.
// Windows before 8 without its loader update refuses the flag that says so (as an invalid
// parameter); there the library's full path in the system folder does.
HMODULE LoadSystemLibrary(const char* library) {
  if (HMODULE module = LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::string path = std::string(folder, length) + "\\" + library;
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

FARPROC LookUpSystemFunction(const char* library, const char* name) {
  // A library every process has (ntdll, user32) is taken as it is, without loading anything.
  if (HMODULE present = GetModuleHandleA(library)) return GetProcAddress(present, name);
  static std::map<std::string, LibraryHandle> loaded;
  auto it = loaded.find(library);
  if (it == loaded.end()) it = loaded.emplace(library, LibraryHandle(LoadSystemLibrary(library))).first;
  return it->second ? GetProcAddress(it->second.Get(), name) : nullptr;
}
