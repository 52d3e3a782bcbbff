#pragma once
#include "capture/capture_commands.h"
#include "ui/command_table.h"
#include "ui/hot_key.h"
#include "ui/timer.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// ホットキーで取り込むＯＮ: a system-wide key, registered for the main window while it is on,
// captures from wherever the user is, as 取り込み does; ホットキーの設定 chooses the key.
class HotKeyCapture {
 public:
  // The id of the key in the main window's WM_HOTKEY.
  static constexpr int HotKeyId = 1;

  HotKeyCapture(Workspace& workspace, MainWindowServices& window, CaptureCommands& capture);

  void Bind(CommandTable& commands);
  // The entry's check from the settings; a key stored as on is registered now.
  void ShowSettings();

  void MHOTKEYClick();
  void MHOTKEY_SETClick();
  // WM_HOTKEY: a capture with the current type, delay and switches, the active-window type taking
  // the window that is in front now. It starts once the keys are let go: held modifiers change how
  // programs draw themselves, and the window the capture shows and hides would keep them as held.
  // Ignored while a capture runs or waits for the keys, while a box of the program is open and
  // while its capture command is unavailable (start-up, value entry).
  void OnHotKey();
  // The close path gives the key back to the system.
  void Release() {
    Timer_KeyUp.SetEnabled(false);
    registration_.Release();
  }

 private:
  // Registers the chosen combination; a refusal is reported with the combination and leaves the
  // key off.
  void Register();
  void SetOn(bool on);
  bool CaptureAvailable() const;
  // Timer_KeyUp: starts the capture once no key of the combination is held any more, or after a
  // few seconds of holding them.
  void Timer_KeyUpTimer();

  Workspace& workspace_;
  MainWindowServices& window_;
  CaptureCommands& capture_;
  HotKeyRegistration registration_;
  Timer Timer_KeyUp;
  HWND pressedIn_ = nullptr;  // the window in front when the key was pressed
  int heldPolls_ = 0;
};
