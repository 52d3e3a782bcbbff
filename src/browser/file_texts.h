#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The texts of one row of the browser's file list.

// The byte count with thousands separators, no decimals, right-aligned in 8 places ("%8.0n").
std::string SizeText(std::uint64_t bytes);

// The extension in lower case without its dot.
std::string TypeText(std::string_view fileName);

struct FileTime {
  int year, month, day, hour, minute, second;
  int dayOfWeek;  // 0 = Sunday
};
using DayNames = std::array<std::string, 7>;  // abbreviated, Sunday first

// "yy/mm/dd hh:mm:ss ddd".
std::string DateText(const FileTime& time, const DayNames& dayNames);

// The file attributes that the list shows.
namespace FileAttribute {
inline constexpr std::uint32_t ReadOnly = 0x01;
inline constexpr std::uint32_t Hidden = 0x02;
inline constexpr std::uint32_t System = 0x04;
inline constexpr std::uint32_t Archive = 0x20;
}  // namespace FileAttribute

// Four places: "R", "S", "H", "A" or a blank each.
std::string AttributeText(std::uint32_t attributes);
