#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Fields of the cursor file formats, read only where the bytes are there. Offsets are 64-bit, so
// an offset and a length taken from a file never wrap when added.
using ByteSpan = std::span<const std::uint8_t>;

inline bool Holds(ByteSpan bytes, std::uint64_t at, std::uint64_t length) {
  return at <= bytes.size() && length <= bytes.size() - at;
}

inline std::optional<std::uint16_t> ReadU16(ByteSpan bytes, std::uint64_t at) {
  if (!Holds(bytes, at, 2)) return std::nullopt;
  return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

inline std::optional<std::uint32_t> ReadU32(ByteSpan bytes, std::uint64_t at) {
  if (!Holds(bytes, at, 4)) return std::nullopt;
  return static_cast<std::uint32_t>(bytes[at]) | (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

inline bool HasTag(ByteSpan bytes, std::uint64_t at, std::string_view tag) {
  if (!Holds(bytes, at, tag.size())) return false;
  for (std::size_t i = 0; i < tag.size(); ++i) {
    if (bytes[at + i] != static_cast<std::uint8_t>(tag[i])) return false;
  }
  return true;
}
