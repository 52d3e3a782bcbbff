#include "setup/removal_at_restart.h"

#include <optional>

#include "common/path_helpers.h"
#include "setup/uninstall_rules.h"
#include "ui/registry.h"

namespace {

std::string SystemFolder() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

// The temporary folder as the sign-in's command line will expand %TMP%.
std::string TmpVariable() {
  char folder[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("TMP", folder, sizeof folder);
  return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

}  // namespace

bool RemoveAtRestartOrSignIn(const std::string& path) {
  if (MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT)) return true;
  const std::optional<std::string> command = RunOnceDeleteCommand(SystemFolder(), path, TmpVariable());
  if (!command) return false;
  const auto runOnce = RegistryKey::Create(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce");
  // The value's name is the file's, so that a second uninstall replaces rather than adds.
  const std::vector<std::string> parts = ComponentsWithoutSeparators(path);
  return runOnce && !parts.empty() && runOnce->WriteString(parts.back(), *command);
}
