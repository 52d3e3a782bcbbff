#include "setup/handover_record.h"

#include "setup/uninstall_rules.h"

namespace {

struct Place {
  HKEY root;
  const char* key;
};

const Place Places[] = {{HKEY_USERS, UninstallHandoverKey}, {HKEY_CURRENT_USER, UserHandoverKey}};

}  // namespace

std::optional<RegistryKey> CreateHandoverRecord() {
  for (const Place& place : Places) {
    if (auto record = RegistryKey::Create(place.root, place.key)) return record;
  }
  return std::nullopt;
}

std::vector<RegistryKey> OpenHandoverRecords() {
  std::vector<RegistryKey> records;
  for (const Place& place : Places) {
    if (auto record = RegistryKey::Open(place.root, place.key)) records.push_back(std::move(*record));
  }
  return records;
}

void DeleteHandoverRecord() {
  for (const Place& place : Places) RegDeleteTreeA(place.root, place.key);
}
