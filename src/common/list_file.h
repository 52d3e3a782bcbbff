#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The program's list files (PIKTO_I0.LST, PIKTO_HS.LST): one file name a line in the system code
// page, each ended by CR LF.

// Far beyond the longest path the ANSI file functions take.
inline constexpr std::size_t MaxListNameBytes = 1024;

// The names of a list file in their order: CR, LF or CR LF end a line; empty lines are skipped,
// and so are lines no file name can be (a NUL byte, over MaxListNameBytes, a character cut off at
// the end).
std::vector<std::string> ParseListFile(std::string_view text);
// Each name as it is, followed by CR LF.
std::string FormatListFile(const std::vector<std::string>& names);

// File names compare equal ignoring the letter case of single-byte letters (a two-byte
// character's second byte may look like a letter and is compared as it is).
bool SameFileName(std::string_view a, std::string_view b);
