#pragma once
#include <string>

#include "output/paint_hand_overs.h"
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// 画像加工ソフト起動: the working picture goes to the clipboard and into a hand-over file of its
// own, and the paint program starts with that file open. (Keystrokes that chose Edit, Paste no
// longer reach anything: current paint programs have no Edit menu.)
class PaintProgram {
 public:
  PaintProgram(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void MPAINTClick();
  // At close: the hand-over files that have served go.
  void RemoveServedHandOvers() { handOvers_.RemoveServed(); }

 private:
  Workspace& workspace_;
  MainWindowServices& window_;
  PaintHandOvers handOvers_;
};
