#include "common/path_helpers.h"

#include "common/shift_jis.h"

namespace {

constexpr char kSeparator = '\\';

// Whether the backslash at `index` is the second byte of a two-byte character: count the
// lead-range bytes directly before it; an odd run means the last of them pairs with it.
bool BackslashIsTrailByte(std::string_view text, std::size_t index) {
  std::size_t run = 0;
  while (run < index && IsShiftJisLeadByte(static_cast<unsigned char>(text[index - run - 1]))) ++run;
  return run % 2 == 1;
}

bool EndsInLeadRangeBeforeSeparator(std::string_view text) {
  return text.size() >= 2 && IsShiftJisLeadByte(static_cast<unsigned char>(text[text.size() - 2]));
}

}  // namespace

std::string AddTrailingSeparator(std::string_view path) {
  std::string result(path);
  if (result.empty()) return result;
  if (result.back() != kSeparator) {
    result += kSeparator;
  } else if (result.size() > 3 && EndsInLeadRangeBeforeSeparator(result) &&
             BackslashIsTrailByte(result, result.size() - 1)) {
    result += kSeparator;
  }
  return result;
}

std::string RemoveTrailingSeparator(std::string_view path) {
  std::string result(path);
  if (result.size() <= 3 || result.back() != kSeparator) return result;
  if (!EndsInLeadRangeBeforeSeparator(result) || !BackslashIsTrailByte(result, result.size() - 1)) {
    result.pop_back();
  }
  return result;
}

std::vector<std::string> SplitPathComponents(std::string_view path) {
  const std::string text = AddTrailingSeparator(path);
  std::vector<std::string> components;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    current += byte;
    if (IsShiftJisLeadByte(static_cast<unsigned char>(byte))) {
      if (i + 1 < text.size()) current += text[++i];
    } else if (byte == kSeparator) {
      components.push_back(std::move(current));
      current.clear();
    }
  }
  // A lead byte as the very last byte swallowed the final separator: keep what was collected.
  if (!current.empty()) components.push_back(std::move(current));
  return components;
}

std::vector<std::string> ComponentsWithoutSeparators(std::string_view path) {
  std::vector<std::string> components = SplitPathComponents(path);
  // The split walked forwards, so a final backslash here is the separator that ended the
  // component, never the second byte of a character.
  for (std::size_t i = 1; i < components.size(); ++i) {
    if (!components[i].empty() && components[i].back() == kSeparator) components[i].pop_back();
  }
  return components;
}

std::vector<std::string> CumulativePaths(std::string_view path) {
  std::vector<std::string> prefixes;
  std::string joined;
  for (const std::string& component : SplitPathComponents(path)) {
    joined += component;
    prefixes.push_back(RemoveTrailingSeparator(joined));
  }
  return prefixes;
}

std::string ParentPath(std::string_view path) {
  const std::vector<std::string> prefixes = CumulativePaths(path);
  if (prefixes.empty()) return std::string();
  return prefixes.size() == 1 ? prefixes.front() : prefixes[prefixes.size() - 2];
}
