#include "ui/failure_log.h"

#include <new>
#include <string>

#include "ui/win32.h"

void LogFailure(std::exception_ptr failure, const char* where) {
  std::string text = "PIKTORAN: unexpected failure ";
  text += where;
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const std::exception& e) {
    text += std::string(": ") + e.what();
  } catch (...) {
    text += ": (not a standard exception)";
  }
  text += "\n";
  OutputDebugStringA(text.c_str());
}

bool IsOutOfMemory(std::exception_ptr failure) {
  try {
    if (failure) std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return true;
  } catch (...) {
  }
  return false;
}
