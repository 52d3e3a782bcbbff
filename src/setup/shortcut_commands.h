#pragma once
#include "setup/shortcut_paths.h"
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The option menu's shortcut entries: the program in the start-up group (through Program
// Manager) and on the desktop (a copy of the group's shortcut), each offered as register or
// remove by whether the shortcut file is there.
class ShortcutCommands {
 public:
  // `paths` are fixed at start-up and read when a command runs.
  ShortcutCommands(Workspace& workspace, MainWindowServices& window, const ShortcutPaths& paths)
      : workspace_(workspace), window_(window), paths_(paths) {}

  void Bind(CommandTable& commands);

  void MOption0Click();
  void MICON_SETClick(bool add);
  void MDESK_SETClick(bool add);

 private:
  Workspace& workspace_;
  MainWindowServices& window_;
  const ShortcutPaths& paths_;
};
