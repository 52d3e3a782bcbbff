#pragma once
#include <string>

#include "ui/command_table.h"
#include "ui/handles.h"
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
  // A second after the start: Edit, Paste; half a second later: the answer.
  void Timer_PAINT0Timer();
  void Timer_PAINTTimer();

 private:
  // Starts the program shown; false when it cannot be started.
  bool Start(const std::string& program);

  Workspace& workspace_;
  MainWindowServices& window_;
  Timer Timer_PAINT0;
  Timer Timer_PAINT;
  KernelHandle paintProcess_;  // the paint program we started last
};
