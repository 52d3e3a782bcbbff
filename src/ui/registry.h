#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "ui/handles.h"

// A registry key of ours: strings (and numbers for the system's own entries), read defensively (no terminator trusted, size capped).
class RegistryKey {
 public:
  // Opens an existing key for reading; nullopt when it does not exist.
  static std::optional<RegistryKey> Open(HKEY root, const std::string& path);
  // Opens a key for writing, creating it (and its parents) when missing.
  static std::optional<RegistryKey> Create(HKEY root, const std::string& path);

  // The value when it is a plain string (REG_SZ); nullopt when it is missing, of another type
  // (an expandable string too) or larger than any value the program writes. The text ends at
  // its first NUL, as the system's string functions see it.
  std::optional<std::string> ReadString(std::string_view name) const;
  // As ReadString, but an expandable string (REG_EXPAND_SZ, as the system writes paths) is taken
  // too, with its environment variables expanded.
  std::optional<std::string> ReadExpandedString(std::string_view name) const;
  bool WriteString(std::string_view name, std::string_view value) const;
  bool WriteNumber(std::string_view name, DWORD value) const;  // REG_DWORD
  bool DeleteValue(std::string_view name) const;

  HKEY Get() const { return key_.Get(); }

  static constexpr DWORD MaxValueBytes = 64 * 1024;

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  std::optional<std::string> ReadText(std::string_view name, bool expandable, DWORD& type) const;
  UniqueHandle<HKEY, RegistryKeyTraits> key_;
};
