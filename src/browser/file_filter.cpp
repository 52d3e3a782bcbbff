#include "browser/file_filter.h"

#include <algorithm>

#include "common/shift_jis.h"

namespace {

std::vector<std::string> CutAt(std::string_view text, char separator) {
  std::vector<std::string> pieces(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(text[i]))) {
      pieces.back() += text[i];
      if (++i < text.size()) pieces.back() += text[i];
    } else if (text[i] == separator) {
      pieces.emplace_back();
    } else {
      pieces.back() += text[i];
    }
  }
  return pieces;
}

}  // namespace

std::vector<FilterEntry> ParseFilter(std::string_view filter) {
  const std::vector<std::string> pieces = CutAt(filter.empty() ? DefaultFilter : filter, '|');
  std::vector<FilterEntry> entries;
  for (std::size_t i = 0; i + 1 < pieces.size(); i += 2) {
    const std::string& patterns = pieces[i + 1];
    if (!patterns.empty()) entries.push_back({pieces[i] + " (" + patterns + ")", patterns});
  }
  const bool hasAll = std::any_of(entries.begin(), entries.end(), [](const FilterEntry& e) { return e.patterns == "*.*"; });
  if (!hasAll) entries.push_back({"ALL files (*.*)", "*.*"});
  return entries;
}

std::vector<std::string> SplitPatterns(std::string_view patterns) {
  std::vector<std::string> pieces = CutAt(patterns, ';');
  std::erase(pieces, std::string());
  const auto less = [](const std::string& a, const std::string& b) { return AsciiUpperCase(a) < AsciiUpperCase(b); };
  std::stable_sort(pieces.begin(), pieces.end(), less);
  pieces.erase(std::unique(pieces.begin(), pieces.end(),
                           [](const std::string& a, const std::string& b) { return AsciiUpperCase(a) == AsciiUpperCase(b); }),
               pieces.end());
  return pieces;
}
