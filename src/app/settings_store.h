#pragma once
#include <optional>
#include <string>

#include "workspace/settings.h"

// The settings key in the registry: HKEY_CURRENT_USER "Software\QUILO SOFT32\PIKTORAN".
namespace SettingsStore {

// One stored string, the key opened without creating it; nullopt when missing.
std::optional<std::string> ReadValue(const std::string& name);

MainSettings ReadMain(const SettingsEnvironment& environment);

// Writes every value in the close order, creating the key when missing. A value that cannot
// be written is skipped and the rest are still written; false when any failed.
bool WriteMain(const MainSettings& settings);

}  // namespace SettingsStore
