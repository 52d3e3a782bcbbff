#pragma once
#include "picture/working_picture.h"
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The picture menu's commands on the working picture: confirm, restore, rotate and mirror,
// double and halve, and when their entries can be chosen.
class PictureCommands {
 public:
  PictureCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void M_GAMEN0Click();
  void M_KAITEN0Click();
  void M_RealClick();
  void M_ClearClick();
  void MK_MigiClick(TransformKind kind);
  void MBMP_HEARFClick(ScaleKind kind);

 private:
  WorkingPicture& Pictures() { return workspace_.picture; }

  Workspace& workspace_;
  MainWindowServices& window_;
};
