#pragma once
#include "ui/win32.h"

// A function of a newer Windows, looked up when first needed so that the program still starts
// on systems without it: nullptr there. The library stays loaded for the run.
FARPROC LookUpSystemFunction(const char* library, const char* name);

template <typename Function>
Function* SystemFunction(const char* library, const char* name) {
  // Through void*: the lookup gives a generic function pointer.
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(LookUpSystemFunction(library, name)));
}
