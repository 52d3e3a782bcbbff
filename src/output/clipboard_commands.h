#pragma once
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// クリップボード of the File menu: the working picture to and from the clipboard as a bitmap.
class ClipboardCommands {
 public:
  ClipboardCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void MF_CLIP0Click();
  void MCLIP_SAVEClick();
  void MCLIP_LOADClick();

  // The clipboard holds a bitmap (CF_BITMAP), which the load can take.
  static bool ClipboardHoldsPicture();

 private:
  Workspace& workspace_;
  MainWindowServices& window_;
};
