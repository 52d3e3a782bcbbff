#pragma once
#include <functional>

#include "dialogs/color_btn.h"
#include "ui/command_table.h"
#include "ui/panel.h"
#include "ui/timer.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The controls of the main window that show the capture type and the capture command.
struct CaptureControls {
  TColorBtn& ColorBtn1;
  TColorBtn& ColorBtn2;
  Panel& Panel_Type;
  Panel& Panel_Type2;
};

// The capture: its type, delay and switches, and the run from 取り込み to the new picture.
class CaptureCommands {
 public:
  CaptureCommands(Workspace& workspace, MainWindowServices& window, CaptureControls controls);

  void Bind(CommandTable& commands);
  // The delay captions and every capture entry's check and caption, from the settings.
  void ShowSettings();

  // 取り込み: empties the picture, hides the window and arms Timer1 for the delay.
  void MPIKTOClick() { StartCapture(nullptr); }
  // The same, the active-window type taking `activeWindow` (the program is not in front).
  void CaptureActiveWindow(HWND activeWindow) { StartCapture(activeWindow); }
  // Between MPIKTOClick and the copy of the screen the window must stay hidden.
  bool CapturePending() const { return pending_; }

  void GType0Click(int type);
  void MPIKTO0Click();
  void TM0Click(int delayIndex);
  void MGET_FORM_SIZEClick();
  void MGET_MOUSE_POINTERClick();
  void MGET_NONClick();
  void MGET_GOUSEIClick();

  // Each capture, once it is the working picture.
  std::function<void()> onCaptured;

 private:
  void StartCapture(HWND activeWindow);
  void Timer1Timer();
  void ShowCaptureType();

  Workspace& workspace_;
  MainWindowServices& window_;
  CaptureControls controls_;
  Timer Timer1;
  bool pending_ = false;
  HWND activeWindow_ = nullptr;
};
