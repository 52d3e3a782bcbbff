#pragma once
#include <cstdint>
#include <string_view>

// A context name may hold letters, digits, "_" and "."; letters count without their case.
bool IsContextName(std::string_view name);

// The number the viewer looks a context name up by: jumps store it, |CONTEXT maps it to the
// topic. Only meaningful for a name IsContextName accepts.
std::int32_t ContextHash(std::string_view name);
