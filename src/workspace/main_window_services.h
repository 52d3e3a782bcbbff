#pragma once
#include <string>

#include "ui/form.h"
#include "ui/menu.h"

// What the user is told when a command runs out of memory.
inline constexpr const char* OutOfMemoryText = "メモリー不足です・・・";

// The one narrow way features reach the main window TPIKTORAN_QUILO.
class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;

  // The window itself: the owner of dialogs, timers and the clipboard.
  virtual Form& Window() = 0;
  // MainMenu1.
  virtual MenuTree& Menu() = 0;

  // The window's message box MKBoxDlg1.
  virtual int ShowMsg(const std::string& text) = 0;
  virtual int ShowMsgTimed(const std::string& text, int timeoutAnswer) = 0;
  virtual int AskYesNoTimed(const std::string& text, int timeoutAnswer) = 0;

  // The size bar: EditSize shows the text at the text's width.
  virtual void ShowSizeText(const std::string& text) = 0;

  // A command that replaces the working picture hides the window first; the cursor preview
  // empties with it.
  virtual void HideForWork() = 0;
  // Draws the working picture again after it changed.
  virtual void RefreshPicture() = 0;
  // The working picture changed in place: it is drawn again with its scroll at the top-left
  // and the size bar shows `sizeText`.
  virtual void ShowPicture(const std::string& sizeText) = 0;
  // The same after a replacement, then the re-show sequence brings the window back.
  virtual void ShowNewPicture(const std::string& sizeText) = 0;
  // The re-show sequence alone, after the window was hidden for work.
  virtual void StartReshow() = 0;

  // The top-most band: left while a dialog of the system shows, re-applied from TOPにする.
  virtual void LeaveTopMost() = 0;
  virtual void ApplyTopMost() = 0;
};

// Keeps the main window out of the top-most band for a scope, so that it does not cover the
// system's dialogs; the TOPにする state comes back at the end.
class TopMostSuspension {
 public:
  explicit TopMostSuspension(MainWindowServices& window) : window_(window) { window_.LeaveTopMost(); }
  TopMostSuspension(const TopMostSuspension&) = delete;
  TopMostSuspension& operator=(const TopMostSuspension&) = delete;
  ~TopMostSuspension() { window_.ApplyTopMost(); }

 private:
  MainWindowServices& window_;
};
