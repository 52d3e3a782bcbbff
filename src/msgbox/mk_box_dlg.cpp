#include "msgbox/mk_box_dlg.h"

#include "common/decimal.h"
#include "ui/application.h"

int TMKBoxDlg::ShowMsg(const std::string& text) {
  MKBoxRequest request;
  request.text = text;
  return Run(request);
}

int TMKBoxDlg::ShowMsgTimed(const std::string& text, int timeoutAnswer) {
  return Run(Timed(MessageBoxKind::Ok, text, timeoutAnswer));
}

int TMKBoxDlg::AskYesNoTimed(const std::string& text, int timeoutAnswer) {
  return Run(Timed(MessageBoxKind::YesNo, text, timeoutAnswer));
}

MKBoxRequest TMKBoxDlg::Timed(MessageBoxKind kind, const std::string& text, int timeoutAnswer) const {
  MKBoxRequest request;
  request.kind = kind;
  request.text = text;
  request.countDown = Timer;
  request.pausePair = true;
  request.countText = ToDecimal(TimerCount).substr(0, 10);
  request.timeoutAnswer = timeoutAnswer;
  return request;
}

int TMKBoxDlg::Run(MKBoxRequest request) {
  std::size_t slot = 0;
  while (slot < slots_.size() && slots_[slot]) ++slot;
  if (slot == slots_.size()) return 0;
  slots_[slot] = true;
  request.title = Title;
  request.source = SourceHandle;

  int answer = AnswerClosed;
  {
    TMKBox box;
    if (box.Build(request)) {
      answer = box.ShowModal();
      if (answer == AnswerTimedOut) answer = request.timeoutAnswer;
      box.Hide();
    }
  }
  if (HWND main = Application::MainWindow()) InvalidateRect(main, nullptr, TRUE);
  slots_[slot] = false;
  return answer;
}
