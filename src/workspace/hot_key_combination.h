#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The system-wide capture key: modifier bits as the system counts them (MOD_ALT, MOD_CONTROL,
// MOD_SHIFT, MOD_WIN) and a virtual-key code.
namespace HotKeyModifier {
inline constexpr unsigned Alt = 1;
inline constexpr unsigned Control = 2;
inline constexpr unsigned Shift = 4;
inline constexpr unsigned Win = 8;
inline constexpr unsigned All = Alt | Control | Shift | Win;
}  // namespace HotKeyModifier

struct HotKeyCombination {
  unsigned modifiers = 0;
  unsigned key = 0;
  friend bool operator==(const HotKeyCombination&, const HotKeyCombination&) = default;
};

// Ctrl+Shift+F12.
inline constexpr HotKeyCombination DefaultHotKey{HotKeyModifier::Control | HotKeyModifier::Shift, 0x7B};

struct HotKeyName {
  unsigned key;
  const char* name;
};
// The keys a combination may end in, in the order the settings dialog lists them.
std::span<const HotKeyName> HotKeyNames();

// A key of the list with known modifiers only. A letter or digit needs Ctrl, Alt or Win: alone
// or with Shift it is what the user types into every other program.
bool IsUsableHotKey(const HotKeyCombination& combination);

// "Ctrl+Shift+F12": the modifiers in the order Ctrl, Shift, Alt, Win, then the key.
std::string HotKeyText(const HotKeyCombination& combination);

// The stored form "modifiers,key" in decimal ("6,123"); nullopt for a damaged or unusable value.
std::optional<HotKeyCombination> ParseStoredHotKey(std::string_view text);
std::string FormatStoredHotKey(const HotKeyCombination& combination);
