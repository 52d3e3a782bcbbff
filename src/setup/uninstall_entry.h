#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "ui/win32.h"

// Writes the program's entry in Windows' list of installed programs under HKEY_LOCAL_MACHINE,
// or, where that is refused (every start of a standard user, and an administrator's too without
// elevation), under HKEY_CURRENT_USER, which Windows lists as well and runs without elevation.
// The root it went to; nullopt when neither took it, with the name of the value that failed.
// An entry of an earlier installation in the other place is removed, so that Windows lists the
// program once; one under HKEY_LOCAL_MACHINE that a standard user cannot remove stays, and
// `staleEntry` then says where it points (its folder, else its command; may be empty).
struct UninstallEntryWritten {
  std::optional<HKEY> root;
  std::string failedValue;
  std::optional<std::string> staleEntry;
};
UninstallEntryWritten WriteUninstallEntry(const std::string& programPath, std::uint64_t installedBytes);

// Removes the entry from both places; false when one is there and cannot be removed.
bool RemoveUninstallEntry();
