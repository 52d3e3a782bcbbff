#pragma once
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// クリップボード of the File menu: the working picture to the clipboard as a bitmap with a "PNG"
// beside it, and back from the bitmap, or from a "PNG" where the clipboard holds only that.
class ClipboardCommands {
 public:
  ClipboardCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void MF_CLIP0Click();
  void MCLIP_SAVEClick();
  void MCLIP_LOADClick();

  // The clipboard holds a bitmap (CF_BITMAP) or a "PNG", which the load can take.
  static bool ClipboardHoldsPicture();

 private:
  bool TakeFromClipboard(Picture& picture);

  Workspace& workspace_;
  MainWindowServices& window_;
};
