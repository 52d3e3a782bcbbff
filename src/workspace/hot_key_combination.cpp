#include "workspace/hot_key_combination.h"

#include <algorithm>
#include <array>

#include "common/decimal.h"

namespace {

// F1-F12, A-Z, 0-9, then the keys of the block above the arrows.
constexpr std::size_t NameCount = 12 + 26 + 10 + 8;
constexpr std::array<HotKeyName, NameCount> Names = [] {
  std::array<HotKeyName, NameCount> names{};
  constexpr const char* FunctionKeys[] = {"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12"};
  constexpr const char* Letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                     "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
  constexpr const char* Digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
  std::size_t n = 0;
  for (unsigned i = 0; i < 12; ++i) names[n++] = {0x70 + i, FunctionKeys[i]};
  for (unsigned i = 0; i < 26; ++i) names[n++] = {'A' + i, Letters[i]};
  for (unsigned i = 0; i < 10; ++i) names[n++] = {'0' + i, Digits[i]};
  names[n++] = {0x2C, "PrintScreen"};
  names[n++] = {0x13, "Pause"};
  names[n++] = {0x2D, "Insert"};
  names[n++] = {0x2E, "Delete"};
  names[n++] = {0x24, "Home"};
  names[n++] = {0x23, "End"};
  names[n++] = {0x21, "PageUp"};
  names[n++] = {0x22, "PageDown"};
  return names;
}();

const HotKeyName* Find(unsigned key) {
  const auto found = std::find_if(Names.begin(), Names.end(), [key](const HotKeyName& n) { return n.key == key; });
  return found == Names.end() ? nullptr : &*found;
}

bool IsTypedKey(unsigned key) { return (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'); }

}  // namespace

std::span<const HotKeyName> HotKeyNames() { return Names; }

bool IsUsableHotKey(const HotKeyCombination& c) {
  if ((c.modifiers & ~HotKeyModifier::All) != 0 || !Find(c.key)) return false;
  constexpr unsigned Commanding = HotKeyModifier::Control | HotKeyModifier::Alt | HotKeyModifier::Win;
  return !IsTypedKey(c.key) || (c.modifiers & Commanding) != 0;
}

std::string HotKeyText(const HotKeyCombination& c) {
  std::string text;
  constexpr std::pair<unsigned, const char*> Modifiers[] = {{HotKeyModifier::Control, "Ctrl+"},
                                                            {HotKeyModifier::Shift, "Shift+"},
                                                            {HotKeyModifier::Alt, "Alt+"},
                                                            {HotKeyModifier::Win, "Win+"}};
  for (const auto& [bit, name] : Modifiers) {
    if (c.modifiers & bit) text += name;
  }
  const HotKeyName* key = Find(c.key);
  return text + (key ? key->name : ToDecimal(c.key));
}

std::optional<HotKeyCombination> ParseStoredHotKey(std::string_view text) {
  const auto values = ParseDecimalList(text, 2);
  if (!values || (*values)[0] < 0 || (*values)[1] < 0) return std::nullopt;
  const HotKeyCombination c{static_cast<unsigned>((*values)[0]), static_cast<unsigned>((*values)[1])};
  return IsUsableHotKey(c) ? std::optional(c) : std::nullopt;
}

std::string FormatStoredHotKey(const HotKeyCombination& c) {
  return JoinDecimals({static_cast<int>(c.modifiers), static_cast<int>(c.key)});
}
