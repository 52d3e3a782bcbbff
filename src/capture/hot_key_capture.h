#pragma once
#include "capture/capture_commands.h"
#include "ui/command_table.h"
#include "ui/hot_key.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// ホットキーで取り込むＯＮ: a system-wide key, registered for the main window while it is on,
// captures from wherever the user is, as 取り込み does; ホットキーの設定 chooses the key.
class HotKeyCapture {
 public:
  // The id of the key in the main window's WM_HOTKEY.
  static constexpr int HotKeyId = 1;

  HotKeyCapture(Workspace& workspace, MainWindowServices& window, CaptureCommands& capture)
      : workspace_(workspace), window_(window), capture_(capture) {}

  void Bind(CommandTable& commands);
  // The entry's check from the settings; a key stored as on is registered now.
  void ShowSettings();

  void MHOTKEYClick();
  void MHOTKEY_SETClick();
  // WM_HOTKEY: a capture with the current type, delay and switches, the active-window type taking
  // the window that is in front now. Ignored while a capture runs, while a box of the program is
  // open and while its capture command is unavailable (start-up, value entry).
  void OnHotKey();
  // The close path gives the key back to the system.
  void Release() { registration_.Release(); }

 private:
  // Registers the chosen combination; a refusal is reported with the combination and leaves the
  // key off.
  void Register();
  void SetOn(bool on);

  Workspace& workspace_;
  MainWindowServices& window_;
  CaptureCommands& capture_;
  HotKeyRegistration registration_;
};
