#include "setup/uninstall_entry.h"

#include <variant>

#include "setup/install_rules.h"
#include "setup/uninstall_entry_values.h"
#include "ui/registry.h"

namespace {

// The first value that could not be written; empty when all were.
std::string WriteValues(HKEY root, const std::vector<UninstallEntryValue>& values) {
  const auto key = RegistryKey::Create(root, UninstallEntryKey);
  if (!key) return values.front().name;
  for (const UninstallEntryValue& v : values) {
    const bool written = std::holds_alternative<std::string>(v.value)
                             ? key->WriteString(v.name, std::get<std::string>(v.value))
                             : key->WriteNumber(v.name, std::get<std::uint32_t>(v.value));
    if (!written) return v.name;
  }
  return {};
}

}  // namespace

UninstallEntryWritten WriteUninstallEntry(const std::string& programPath, std::uint64_t installedBytes) {
  const std::vector<UninstallEntryValue> values = UninstallEntryValues(programPath, installedBytes);
  std::string failed;
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    failed = WriteValues(root, values);
    if (failed.empty()) {
      // One entry only: a stale one of an earlier installation would be listed twice.
      if (root == HKEY_CURRENT_USER) RegDeleteTreeA(HKEY_LOCAL_MACHINE, UninstallEntryKey);
      return {root, {}};
    }
  }
  return {std::nullopt, failed};
}

bool RemoveUninstallEntry() {
  bool removed = true;
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    const LSTATUS status = RegDeleteTreeA(root, UninstallEntryKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) removed = false;
  }
  return removed;
}
