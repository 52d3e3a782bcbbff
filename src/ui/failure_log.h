#pragma once
#include <exception>

// Failures that reach a window procedure as exceptions are never dropped in silence: what the
// user is not shown goes to the debugger's output (OutputDebugString).
void LogFailure(std::exception_ptr failure, const char* where);

// Whether the failure is an allocation that could not be satisfied.
bool IsOutOfMemory(std::exception_ptr failure);
