#include "setup/uninstall_entry_values.h"

#include <algorithm>

#include "common/path_helpers.h"
#include "common/program_identity.h"
#include "setup/install_rules.h"
#include "setup/setup_texts.h"

std::vector<UninstallEntryValue> UninstallEntryValues(const std::string& programPath, std::uint64_t installedBytes) {
  // Windows shows the size in kilobytes, rounded up; beyond a 32-bit count, as large as it can be.
  const std::uint64_t kilobytes = std::min<std::uint64_t>(installedBytes / 1024 + (installedBytes % 1024 != 0), UINT32_MAX);
  const std::string version = std::to_string(ProgramVersion / 10) + "." + std::to_string(ProgramVersion % 10);
  return {
      {"DisplayName", UninstallDisplayName(ProgramTitle, ProgramVersion)},
      {"UninstallString", UninstallCommand(programPath)},
      {"DisplayIcon", programPath + ",0"},
      {"DisplayVersion", version},
      {"Publisher", std::string(ProgramMaker)},
      {"InstallLocation", RemoveTrailingSeparator(ParentPath(programPath))},
      {"EstimatedSize", static_cast<std::uint32_t>(kilobytes)},
      {"NoModify", std::uint32_t{1}},
      {"NoRepair", std::uint32_t{1}},
  };
}

std::string StaleEntryText(const std::string& pointsTo) {
  const std::string text =
      "Windows のプログラム一覧に、以前のインストールの登録が残っています・・・\n（管理者として実行すると削除できます）";
  return pointsTo.empty() ? text : "[ " + pointsTo + " ]\n" + text;
}
