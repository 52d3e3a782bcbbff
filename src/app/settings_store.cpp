#include "app/settings_store.h"

#include "common/program_constants.h"
#include "ui/registry.h"

namespace SettingsStore {

std::optional<std::string> ReadValue(const std::string& name) {
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath);
  return key ? key->ReadString(name) : std::nullopt;
}

MainSettings ReadMain(const SettingsEnvironment& environment) {
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath);
  const SettingsReader reader = [&key](std::string_view name) -> std::optional<std::string> {
    return key ? key->ReadString(name) : std::nullopt;
  };
  return ReadMainSettings(reader, environment);
}

bool WriteMain(const MainSettings& settings) {
  const auto key = RegistryKey::Create(HKEY_CURRENT_USER, SettingsKeyPath);
  if (!key) return false;
  bool allWritten = true;
  for (const auto& [name, value] : FormatMainSettings(settings)) allWritten &= key->WriteString(name, value);
  return allWritten;
}

}  // namespace SettingsStore
