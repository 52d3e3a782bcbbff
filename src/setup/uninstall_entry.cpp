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

// Removes the entry from the root; where it stays (no right to remove it), where it points.
std::optional<std::string> RemoveEntry(HKEY root) {
  std::string pointsTo;
  if (const auto key = RegistryKey::Open(root, UninstallEntryKey)) {
    pointsTo = key->ReadString("InstallLocation").value_or("");
    if (pointsTo.empty()) pointsTo = key->ReadString("UninstallString").value_or("");
  } else {
    return std::nullopt;
  }
  const LSTATUS status = RegDeleteTreeA(root, UninstallEntryKey);
  if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  return pointsTo;
}

}  // namespace

UninstallEntryWritten WriteUninstallEntry(const std::string& programPath, std::uint64_t installedBytes) {
  const std::vector<UninstallEntryValue> values = UninstallEntryValues(programPath, installedBytes);
  std::string failed;
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    failed = WriteValues(root, values);
    if (failed.empty()) {
      // One entry only: a stale one of an earlier installation would be listed twice.
      return {root, {}, RemoveEntry(root == HKEY_LOCAL_MACHINE ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE)};
    }
  }
  return {std::nullopt, failed, std::nullopt};
}

bool RemoveUninstallEntry() {
  bool removed = true;
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    const LSTATUS status = RegDeleteTreeA(root, UninstallEntryKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) removed = false;
  }
  return removed;
}
