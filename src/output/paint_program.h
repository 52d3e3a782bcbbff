#pragma once
#include <string>

#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// 画像加工ソフト起動: the working picture goes to the clipboard and into a work file, and the
// paint program starts with that file open. (Keystrokes that chose Edit, Paste no longer reach
// anything: current paint programs have no Edit menu.)
class PaintProgram {
 public:
  PaintProgram(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void MPAINTClick();

 private:
  // The working picture as the work file for the paint program; empty when it could not be
  // written (the picture is still on the clipboard then).
  std::string WritePictureFile() const;

  Workspace& workspace_;
  MainWindowServices& window_;
};
