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

std::string HelperCommandLine(const std::string& helperPath, const std::string& programPath) {
  return "\"" + helperPath + "\" \"/DeleteFile\" \"" + programPath + "\"";
}

std::optional<std::size_t> ChooseHandoverRecord(const std::vector<std::string>& recordFiles,
                                                const std::string* namedProgramFile) {
  if (!namedProgramFile) return recordFiles.empty() ? std::nullopt : std::optional<std::size_t>(0);
  for (std::size_t i = 0; i < recordFiles.size(); ++i) {
    if (!recordFiles[i].empty() && SameFileName(recordFiles[i], *namedProgramFile)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> RunOnceDeleteCommand(std::string_view systemFolder, std::string_view path,
                                                std::string_view temporaryFolder) {
  const auto expands = [](std::string_view text) { return text.find_first_of("%!\"") != std::string_view::npos; };
  if (path.empty() || systemFolder.empty() || expands(systemFolder)) return std::nullopt;
  const std::string del = "\"" + AddTrailingSeparator(systemFolder) + "cmd.exe\" /d /v:off /c del /f /q \"";
  if (!expands(path)) return del + std::string(path) + "\"";
  const std::vector<std::string> parts = ComponentsWithoutSeparators(path);
  if (parts.size() < 2 || expands(parts.back()) || temporaryFolder.empty() ||
      !SameFileName(AddTrailingSeparator(ParentPath(path)), AddTrailingSeparator(temporaryFolder))) {
    return std::nullopt;
  }
  return del + "%TMP%\\" + parts.back() + "\"";
}

bool IsOurProgramFile(std::string_view path, std::string_view programFileName) {
  const std::vector<std::string> parts = ComponentsWithoutSeparators(path);
  return parts.size() > 1 && SameFileName(parts.back(), std::string(programFileName));
}

std::vector<std::string> FoldersToRemove(std::string_view programFolder) {
  std::vector<std::string> levels = CumulativePaths(AddTrailingSeparator(programFolder));
  if (!levels.empty()) levels.erase(levels.begin());
  return {levels.rbegin(), levels.rend()};
}
