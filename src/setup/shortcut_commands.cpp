#include "setup/shortcut_commands.h"

#include "common/program_identity.h"
#include "setup/file_copy.h"
#include "setup/progman_commands.h"
#include "setup/program_group.h"
#include "setup/shell_link.h"
#include "setup/shell_registry.h"
#include "shell/file_system.h"
#include "ui/application.h"

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

namespace {

// The hot-spot menu stays shut while a shortcut command runs.
class MenuGuard {
 public:
  explicit MenuGuard(bool& guard) : guard_(guard) { guard_ = true; }
  MenuGuard(const MenuGuard&) = delete;
  MenuGuard& operator=(const MenuGuard&) = delete;
  ~MenuGuard() { guard_ = false; }

 private:
  bool& guard_;
};

}  // namespace

void ShortcutCommands::MICON_SETClick(bool add) {
  HourglassGuard hourglass;
  MenuGuard guard(workspace_.hotSpotMenuGuard);
  const std::string group = StartUpGroupName();
  if (group.empty()) {
    // Current profiles name no start-up group: the shortcut lives in the start-up folder itself.
    if (!add) {
      DeleteFileA(paths_.startup.c_str());
    } else if (!CreateShellLink(paths_.startup, ExecutablePath(), ProgramTitle)) {
      window_.ShowMsg(std::string(ProgramTitle) + "\nスタートアップへの登録に失敗しました・・・");
    }
    return;
  }
  if (const std::string fault = StartUpGroupFault(group); !fault.empty()) {
    window_.ShowMsg(fault);
    return;
  }
  // CreateGroup opens the group for the removal too: Program Manager shows only one that is there.
  const std::string error = add ? AddGroupItem(group, ExecutablePath()) : DeleteGroupItem(group, GroupOpening::Create);
  if (!error.empty()) window_.ShowMsg(error);
  Application::ProcessMessages();
}

void ShortcutCommands::MDESK_SETClick(bool add) {
  HourglassGuard hourglass;
  MenuGuard guard(workspace_.hotSpotMenuGuard);
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
