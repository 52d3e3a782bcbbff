#pragma once
#include "ui/command_table.h"
#include "ui/timer.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// 画像加工ソフト起動: the working picture goes to the clipboard, the paint program starts, and
// keystrokes choose its Edit, Paste (and answer yes to enlarging its canvas).
class PaintProgram {
 public:
  PaintProgram(Workspace& workspace, MainWindowServices& window);

  void Bind(CommandTable& commands);

  void MPAINTClick();

 private:
  void Timer_PAINT0Timer();
  void Timer_PAINTTimer();

  Workspace& workspace_;
  MainWindowServices& window_;
  Timer Timer_PAINT0;
  Timer Timer_PAINT;
};
