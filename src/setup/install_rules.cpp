#include "setup/install_rules.h"

#include <algorithm>

#include "common/list_file.h"
#include "common/program_identity.h"
#include "common/shift_jis.h"

namespace {

constexpr const char* QuiloSoft = "QUILO SOFT";
constexpr const char* QuiloSoft32 = "QUILO SOFT32";

// Takes `name` out of `groups` (letter case aside); true when it was there.
bool TakeOut(std::vector<std::string>& groups, const std::string& name) {
  return std::erase_if(groups, [&](const std::string& g) { return SameFileName(g, name); }) > 0;
}

}  // namespace

std::string DefaultInstallFolder(const std::string& windowsFolder, const std::string& baseName) {
  return windowsFolder.substr(0, 3) + "QUILOP32\\" + baseName;
}

std::vector<std::string> OrderInstallGroups(std::vector<std::string> groups) {
  std::stable_sort(groups.begin(), groups.end(), [](const std::string& a, const std::string& b) {
    return AsciiUpperCase(a) < AsciiUpperCase(b);
  });
  if (TakeOut(groups, QuiloSoft)) groups.push_back(QuiloSoft);
  TakeOut(groups, QuiloSoft32);
  groups.push_back(QuiloSoft32);
  return groups;
}

std::size_t PreselectedGroup(const std::vector<std::string>& groups, const std::string& stored) {
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (!stored.empty() && SameFileName(groups[i], stored)) return i;
  }
  return groups.empty() ? 0 : groups.size() - 1;
}

std::vector<std::string> ProgramFileNames() {
  const std::string base = ProgramBaseName;
  return {ProgramFileName, base + ".TXT", base + ".HLP", base + ".HTM"};
}

std::string UninstallCommand(const std::string& programPath) { return "\"" + programPath + "\" /uninstall"; }

std::string InstallCompletedText(const std::string& group) {
  return "登録完了です。\n\n[ " + group + " ]\nグループに登録しました☆☆\nお疲れ様☆☆";
}
