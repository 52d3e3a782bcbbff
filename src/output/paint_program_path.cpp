#include "output/paint_program_path.h"

#include <cstdio>

#include "common/path_helpers.h"

namespace {

constexpr const char* ProgramName = "MSPAINT.EXE";

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsFullPath(std::string_view path) {
  const bool onDrive = path.size() > 3 && IsLetter(path[0]) && path[1] == ':' && path[2] == '\\';
  const bool onShare = path.size() > 2 && path[0] == '\\' && path[1] == '\\' && path[2] != '\\';
  return onDrive || onShare;
}

// Keeps a number in the digits it is written with, whatever a damaged clock says.
int Within(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

std::vector<std::string> PaintProgramCandidates(const std::string& windowsFolder) {
  std::string accessories = std::string("C:\\Program Files\\Accessories\\") + ProgramName;
  if (!windowsFolder.empty()) accessories[0] = windowsFolder[0];
  return {accessories, windowsFolder + "system32\\" + ProgramName, windowsFolder + "system\\" + ProgramName};
}

std::optional<std::string> RegisteredProgramPath(std::string_view value) {
  std::string_view path = TrimBlanks(value);
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  if (path.find('"') != std::string_view::npos || !IsFullPath(path)) return std::nullopt;
  return std::string(path);
}

std::optional<std::string> PaintProgramFolder(const std::string& program) {
  if (program.size() < 3 || program[2] != '\\') return std::nullopt;
  return RemoveTrailingSeparator(ParentPath(program));
}

std::string PaintHandOverName(const HandOverTime& time, int attempt) {
  char name[64] = {};
  std::snprintf(name, sizeof name, "PKT_PA%04d%02d%02d-%02d%02d%02d", Within(time.year, 0, 9999),
                Within(time.month, 0, 99), Within(time.day, 0, 99), Within(time.hour, 0, 99),
                Within(time.minute, 0, 99), Within(time.second, 0, 99));
  std::string file = name;
  if (attempt > 0) file += "-" + std::to_string(attempt + 1);
  return file + ".BMP";
}
