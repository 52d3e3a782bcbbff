#pragma once
#include <string>

#include "msgbox/mk_box_dlg.h"
#include "ui/form.h"
#include "ui/timer.h"

// What the window TPIKTO_SETUP is started for.
enum class SetupMode {
  Install,          // the visible installer
  Uninstall,        // "/uninstall"
  UninstallHelper,  // the uninstall helper's copy
  Busy,             // "/uninstall" while the program runs
};

// The installer and uninstaller window TPIKTO_SETUP. As the installer it is visible; in the
// uninstall modes it stays hidden and its timers do the work.
class SetupWindow : public Form {
 public:
  static constexpr const char* ClassName = "TPIKTO_SETUP";

  explicit SetupWindow(SetupMode mode);
  bool Create();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormCreate();
  void Timer1Timer() { EndUninstallFlow(Timer1); }
  void Timer2Timer() { EndUninstallFlow(Timer2); }
  // The uninstall and its helper copy end the program until they can remove anything.
  void EndUninstallFlow(Timer& timer);
  void TimerErOutTimer();

  SetupMode mode_;
  std::string versionCaption_;
  TMKBoxDlg MKBoxDlg1;
  Timer Timer1;
  Timer Timer2;
  Timer TimerErOut;
};
