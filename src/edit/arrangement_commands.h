#pragma once
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// カーソルを並べる: stamps the current cursor in a grid centred on the working picture, around a
// hole of the chosen figure, with the alternate-rows and double-density switches; and the size
// step that the figure and the composition share. Runs accumulate on the working picture; the
// base picture stays.
class ArrangementCommands {
 public:
  ArrangementCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);
  // The checks of the shape, the two switches and the size step, from the settings.
  void ShowSettings();

  void M_NARABEL0Click();
  void M_NARABELClick();
  void P_ALLClick(int index);
  void M_SLIPClick();
  void M_BAIMITUClick();
  void M_SIZE0Click(int index);

 private:
  Workspace& workspace_;
  MainWindowServices& window_;
};
