#include "setup/shell_registry.h"

#include "ui/registry.h"

namespace {

std::string ReadUserValue(const char* key, const char* name) {
  const auto opened = RegistryKey::Open(HKEY_CURRENT_USER, key);
  return opened ? opened->ReadString(name).value_or("") : std::string();
}

}  // namespace

std::string ShellFolderPath(const char* name) {
  return ReadUserValue("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name);
}

std::string StartUpGroupName() {
  return ReadUserValue("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups", "StartUp");
}
