#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The values of the program's entry in Windows' list of installed programs: what the list shows
// (name, icon, version, publisher, size) and how it removes the program; no change or repair
// is offered, there being none.
struct UninstallEntryValue {
  std::string name;
  std::variant<std::string, std::uint32_t> value;  // REG_SZ or REG_DWORD
};

std::vector<UninstallEntryValue> UninstallEntryValues(const std::string& programPath, std::uint64_t installedBytes);

// Told after an installation that left an earlier installation's entry in the list (a standard
// user may not remove the one for all users): Windows lists the program twice, the older entry
// pointing to `pointsTo` (its folder or command; nothing when it names neither).
std::string StaleEntryText(const std::string& pointsTo);
