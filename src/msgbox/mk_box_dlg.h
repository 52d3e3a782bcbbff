#pragma once
#include <array>
#include <string>

#include "msgbox/mk_box.h"

// The message-box component every talking window owns (MKBoxDlg1): creates a modal TMKBox
// per call, up to ten nested boxes at a time.
class TMKBoxDlg {
 public:
  std::string Title;             // empty: the application title
  HWND SourceHandle = nullptr;   // null: the main window
  bool Timer = true;             // whether the timed operations count down
  int TimerCount = 10;           // seconds of the count-down

  // 1 (OK), 2 (closed) or 0 when ten boxes are open already.
  int ShowMsg(const std::string& text);
  // As ShowMsg, counting down to `timeoutAnswer` when Timer is on.
  int ShowMsgTimed(const std::string& text, int timeoutAnswer);
  // 6 (はい), 7 (いいえ), 2 (closed), the time-out answer, or 0 when ten boxes are open.
  int AskYesNoTimed(const std::string& text, int timeoutAnswer);

  // B0..B9: whether a slot's box is open.
  bool Busy(int slot) const { return slots_[static_cast<std::size_t>(slot)]; }

 private:
  MKBoxRequest Timed(MessageBoxKind kind, const std::string& text, int timeoutAnswer) const;
  int Run(MKBoxRequest request);
  std::array<bool, 10> slots_{};
};
