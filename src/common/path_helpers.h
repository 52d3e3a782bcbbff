#pragma once
#include <string>
#include <string_view>
#include <vector>

// Path text handling that is safe for Shift-JIS names: the second byte of a two-byte
// character may be 0x5C, the code of the backslash, and is then no separator.

std::string AddTrailingSeparator(std::string_view path);
std::string RemoveTrailingSeparator(std::string_view path);

// "C:\A\B" → "C:\", "A\", "B\".
std::vector<std::string> SplitPathComponents(std::string_view path);

// "C:\A\B" → "C:\", "A", "B": the drive root keeps its separator, later components lose it.
std::vector<std::string> ComponentsWithoutSeparators(std::string_view path);

// "C:\A\B" → "C:\", "C:\A", "C:\A\B".
std::vector<std::string> CumulativePaths(std::string_view path);

// The second-to-last cumulative prefix (the only one when there is one).
std::string ParentPath(std::string_view path);
