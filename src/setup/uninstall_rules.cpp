#include "setup/uninstall_rules.h"

#include <charconv>

#include "common/list_file.h"
#include "common/path_helpers.h"

std::string ColourRecordText(ColourValue colour) { return std::to_string(colour); }

std::optional<ColourValue> ParseColourRecord(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  ColourValue colour = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), colour);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return colour;
}

bool ReplaceExistingHelper(std::uint64_t helperSize, std::uint64_t programSize) {
  return helperSize == 0 || helperSize > programSize;
}

std::string HelperCommandLine(const std::string& helperPath) { return "\"" + helperPath + "\" \"/DeleteFile\""; }

bool IsOurProgramFile(std::string_view path, std::string_view programFileName) {
  const std::vector<std::string> parts = ComponentsWithoutSeparators(path);
  return parts.size() > 1 && SameFileName(parts.back(), std::string(programFileName));
}

std::vector<std::string> FoldersToRemove(std::string_view programFolder) {
  std::vector<std::string> levels = CumulativePaths(AddTrailingSeparator(programFolder));
  if (!levels.empty()) levels.erase(levels.begin());
  return {levels.rbegin(), levels.rend()};
}
