#include "setup/removal_at_restart.h"

#include "common/path_helpers.h"
#include "ui/registry.h"

bool RemoveAtRestart(const std::string& path) {
  if (MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) return true;
  const auto runOnce = RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
  // The value's name is the file's, so that a second uninstall replaces rather than adds.
  const std::vector<std::string> parts = ComponentsWithoutSeparators(path);
  return runOnce && !parts.empty() && runOnce->WriteString(parts.back(), "cmd.exe /c del /f /q \"" + path + "\"");
}
