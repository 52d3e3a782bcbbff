#include "help/context_hash.h"

namespace {

// The value of one character of a context name, 0 for a character a name may not hold.
std::uint32_t CharacterValue(char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<std::uint32_t>(c - 'A' + 17);
  if (c >= 'a' && c <= 'z') return static_cast<std::uint32_t>(c - 'a' + 17);
  if (c >= '1' && c <= '9') return static_cast<std::uint32_t>(c - '0');
  if (c == '0') return 10;
  if (c == '.') return 12;
  if (c == '_') return 13;
  return 0;
}

}  // namespace

bool IsContextName(std::string_view name) {
  if (name.empty() || name.size() > 255) return false;
  for (const char c : name) {
    if (CharacterValue(c) == 0) return false;
  }
  return true;
}

std::int32_t ContextHash(std::string_view name) {
  // The viewer computes it in 32 bits and lets it wrap.
  std::uint32_t hash = 0;
  for (const char c : name) hash = hash * 43 + CharacterValue(c);
  return static_cast<std::int32_t>(hash);
}
