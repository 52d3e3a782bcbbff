#include "ui/system_function.h"

#include <map>
#include <string>

#include "ui/handles.h"

FARPROC LookUpSystemFunction(const char* library, const char* name) {
  // Only from the system folder: a library of that name beside the program must not be taken.
  static std::map<std::string, LibraryHandle> loaded;
  auto it = loaded.find(library);
  if (it == loaded.end()) {
    it = loaded.emplace(library, LibraryHandle(LoadLibraryExA(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32))).first;
  }
  return it->second ? GetProcAddress(it->second.Get(), name) : nullptr;
}
