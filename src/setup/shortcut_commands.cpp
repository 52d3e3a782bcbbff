#include "setup/shortcut_commands.h"

#include "common/program_identity.h"
#include "setup/file_copy.h"
#include "setup/file_system.h"
#include "setup/progman.h"
#include "setup/progman_commands.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {

constexpr const char* MapGroupsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";

}  // namespace

void ShortcutCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MOption0", [this] { MOption0Click(); });
  commands.Bind("MICON_SET", [this] { MICON_SETClick(true); });
  commands.Bind("MICON_DEL", [this] { MICON_SETClick(false); });
  commands.Bind("MDESK_SET", [this] { MDESK_SETClick(true); });
  commands.Bind("MDESK_DEL", [this] { MDESK_SETClick(false); });
}

void ShortcutCommands::MOption0Click() {
  MenuTree& menu = window_.Menu();
  const bool onDesktop = FileExists(paths_.desktop);
  menu.SetVisible("MDESK_SET", !onDesktop);
  menu.SetVisible("MDESK_DEL", onDesktop);
  const bool atStartup = FileExists(paths_.startup);
  menu.SetVisible("MICON_SET", !atStartup);
  menu.SetVisible("MICON_DEL", atStartup);
}

void ShortcutCommands::MICON_SETClick(bool add) {
  HourglassGuard hourglass;
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, MapGroupsKey);
  const std::string group = key ? key->ReadString("StartUp").value_or("") : "";
  if (group.empty()) {
    window_.ShowMsg("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
    return;
  }
  // Program Manager only opens a group that is there already.
  SendProgmanCommand(CreateGroupCommand(group));
  const std::string error = SendProgmanCommand(add ? AddItemCommand(ExecutablePath(), ProgramTitle)
                                                   : DeleteItemCommand(ProgramTitle));
  if (!error.empty()) window_.ShowMsg(error);
  Application::ProcessMessages();
}

void ShortcutCommands::MDESK_SETClick(bool add) {
  HourglassGuard hourglass;
  if (!add) {
    // A shortcut that cannot go stays offered for removal.
    DeleteFileA(paths_.desktop.c_str());
    return;
  }
  if (FileExists(paths_.desktop)) {
    window_.ShowMsg("デスクトップには、既に登録されています☆☆☆");
    return;
  }
  if (!CopyFileKeepDate(paths_.group, paths_.desktop).empty()) {
    window_.ShowMsg(std::string(ProgramTitle) + "\nデスクトップへの登録に失敗しました・・・");
  }
}
