#pragma once
#include <string>
#include <string_view>
#include <vector>

// The browser's filter list, from a filter text of description and patterns pairs cut at "|"
// (Shift-JIS aware: a second byte 0x7C is no cut).
struct FilterEntry {
  std::string caption;   // description + " (" + patterns + ")"
  std::string patterns;  // e.g. "*.bmp;*.jpg"
  friend bool operator==(const FilterEntry&, const FilterEntry&) = default;
};

inline constexpr const char* DefaultFilter = "ALL files|*.*";

// Pairs with empty patterns are left out, a last description without patterns ends the list,
// and "ALL files (*.*)" is appended when no entry has exactly the patterns "*.*". An empty
// text is DefaultFilter.
std::vector<FilterEntry> ParseFilter(std::string_view filter);

// The patterns cut at ";": sorted, empty pieces skipped, patterns equal but for letter case once.
std::vector<std::string> SplitPatterns(std::string_view patterns);
