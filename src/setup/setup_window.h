#pragma once
#include <string>

#include "app/program_constants.h"
#include "msgbox/mk_box_dlg.h"
#include "ui/form.h"
#include "ui/timer.h"

// The installer and uninstaller window TPIKTO_SETUP. In the start mode Normal it is the
// visible installer; in the uninstall modes it stays hidden and its timers do the work.
class SetupWindow : public Form {
 public:
  static constexpr const char* ClassName = "TPIKTO_SETUP";

  explicit SetupWindow(StartMode mode);
  bool Create();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormCreate();
  void Timer1Timer();
  void Timer2Timer();
  void TimerErOutTimer();

  StartMode mode_;
  std::string versionCaption_;
  TMKBoxDlg mkBoxDlg1_;
  Timer timer1_;
  Timer timer2_;
  Timer timerErOut_;
};
