#include "output/paint_program_path.h"

#include "common/path_helpers.h"

namespace {

constexpr const char* ProgramName = "MSPAINT.EXE";

}  // namespace

std::vector<std::string> PaintProgramCandidates(const std::string& windowsFolder) {
  std::string accessories = std::string("C:\\Program Files\\Accessories\\") + ProgramName;
  if (!windowsFolder.empty()) accessories[0] = windowsFolder[0];
  return {accessories, windowsFolder + "system32\\" + ProgramName, windowsFolder + "system\\" + ProgramName,
          ProgramName};
}

std::optional<std::string> PaintProgramFolder(const std::string& program) {
  if (program.size() < 3 || program[2] != '\\') return std::nullopt;
  return RemoveTrailingSeparator(ParentPath(program));
}
