#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The uninstaller's rules that need no window.

// The hand-over record from the uninstall to its helper copy, under HKEY_USERS; under
// HKEY_CURRENT_USER where that is refused.
inline constexpr const char* UninstallHandoverKey = ".Default\\Software\\Unin_QUILO SOFT32";
inline constexpr const char* UserHandoverKey = "Software\\Unin_QUILO SOFT32";

// A colour as the uninstall hand-over record carries it: an RGB value, or 0x80000000 plus a
// system colour index for a colour that follows the system's scheme (button face: -2147483633).
using ColourValue = std::int32_t;
constexpr ColourValue SystemColourValue(int index) {
  return static_cast<ColourValue>(0x80000000u | static_cast<std::uint32_t>(index));
}
constexpr bool IsSystemColour(ColourValue colour) { return colour < 0; }
constexpr int SystemColourIndex(ColourValue colour) { return static_cast<int>(colour & 0xFF); }

// The record's text of a colour (signed decimal), and its reading: blanks around it are
// trimmed; empty or no number gives nothing.
std::string ColourRecordText(ColourValue colour);
std::optional<ColourValue> ParseColourRecord(std::string_view text);

// An existing helper copy is replaced when its size is unknown (0) or larger than the program's.
bool ReplaceExistingHelper(std::uint64_t helperSize, std::uint64_t programSize);

// The helper's command line: its path and "/DeleteFile", each in double quotes.
std::string HelperCommandLine(const std::string& helperPath);

// The helper deletes nothing but a program file of ours: the record's "File" must name one.
bool IsOurProgramFile(std::string_view path, std::string_view programFileName);

// The folders the helper removes, in order: from the program's folder up to the one below the
// drive root (the root itself never). Each is tried only while the one before went.
std::vector<std::string> FoldersToRemove(std::string_view programFolder);
