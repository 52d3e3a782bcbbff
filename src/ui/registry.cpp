#include "ui/registry.h"

#include <vector>

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::Create(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return RegistryKey(key);
}

namespace {

bool IsText(DWORD type, bool expandable) { return type == REG_SZ || (expandable && type == REG_EXPAND_SZ); }

// The system expands to at most this many characters.
constexpr DWORD MaxExpandedChars = 32 * 1024;

}  // namespace

std::optional<std::string> RegistryKey::ReadText(std::string_view name, bool expandable, DWORD& type) const {
  const std::string valueName(name);
  DWORD size = 0;
  if (RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  if (!IsText(type, expandable) || size > MaxValueBytes) return std::nullopt;
  std::vector<char> bytes(size + 1, '\0');
  DWORD read = size;
  // The type is checked again: the value may have been replaced between the two queries.
  if (RegQueryValueExA(key_.Get(), valueName.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(bytes.data()), &read) != ERROR_SUCCESS ||
      !IsText(type, expandable) || read > size) {
    return std::nullopt;
  }
  // Terminated by the byte count, whatever the stored data claims.
  std::string text(bytes.data(), read);
  if (const auto nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  return text;
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  DWORD type = 0;
  return ReadText(name, false, type);
}

std::optional<std::string> RegistryKey::ReadExpandedString(std::string_view name) const {
  DWORD type = 0;
  std::optional<std::string> text = ReadText(name, true, type);
  if (!text || type != REG_EXPAND_SZ) return text;
  std::vector<char> expanded(MaxExpandedChars, '\0');
  const DWORD needed = ExpandEnvironmentStringsA(text->c_str(), expanded.data(), MaxExpandedChars);
  if (needed == 0 || needed > MaxExpandedChars) return std::nullopt;
  return std::string(expanded.data());
}

bool RegistryKey::WriteString(std::string_view name, std::string_view value) const {
  const std::string valueName(name);
  const std::string data(value);
  return RegSetValueExA(key_.Get(), valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>(data.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::WriteNumber(std::string_view name, DWORD value) const {
  const std::string valueName(name);
  return RegSetValueExA(key_.Get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(std::string_view name) const {
  const std::string valueName(name);
  return RegDeleteValueA(key_.Get(), valueName.c_str()) == ERROR_SUCCESS;
}
