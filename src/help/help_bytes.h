#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Little-endian fields of the help file and the packed numbers its paragraph records use.
using HelpBytes = std::vector<std::uint8_t>;

inline void AppendU8(HelpBytes& out, std::uint32_t value) { out.push_back(static_cast<std::uint8_t>(value)); }

inline void AppendU16(HelpBytes& out, std::uint32_t value) {
  AppendU8(out, value);
  AppendU8(out, value >> 8);
}

inline void AppendU32(HelpBytes& out, std::uint32_t value) {
  AppendU16(out, value);
  AppendU16(out, value >> 16);
}

inline void PutU16(HelpBytes& out, std::size_t at, std::uint32_t value) {
  out[at] = static_cast<std::uint8_t>(value);
  out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void PutU32(HelpBytes& out, std::size_t at, std::uint32_t value) {
  PutU16(out, at, value);
  PutU16(out, at + 2, value >> 16);
}

// A string and its terminating NUL.
inline void AppendStringZ(HelpBytes& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
  out.push_back(0);
}

inline void Append(HelpBytes& out, const HelpBytes& more) { out.insert(out.end(), more.begin(), more.end()); }

// Packed numbers: the lowest bit of the first byte tells the short form (clear) from the long.
// Unsigned 0..32767: one byte when below 128.
inline void AppendPackedU16(HelpBytes& out, std::uint32_t value) {
  if (value < 0x80) {
    AppendU8(out, value * 2);
  } else {
    AppendU16(out, value * 2 + 1);
  }
}

// Signed -16384..16383: one byte when within -64..63.
inline void AppendPackedS16(HelpBytes& out, std::int32_t value) {
  if (value >= -0x40 && value < 0x40) {
    AppendU8(out, static_cast<std::uint32_t>(0x80 + value * 2));
  } else {
    AppendU16(out, static_cast<std::uint32_t>(0x8000 + value * 2 + 1));
  }
}

// A signed 32-bit field kept for sizes, so 0..2^30: two bytes when below 16384.
inline void AppendPackedSize(HelpBytes& out, std::uint32_t value) {
  if (value < 0x4000) {
    AppendU16(out, 0x8000 + value * 2);
  } else {
    AppendU32(out, 0x80000000u + value * 2 + 1);
  }
}
