#pragma once
#include <string>

#include "dialogs/color_btn.h"
#include "dialogs/dialog_form.h"
#include "msgbox/mk_box_dlg.h"
#include "ui/controls.h"
#include "ui/hints.h"
#include "ui/panel.h"

// The about-box component a window holds (AboutBoxDlg1): filled with texts, then Execute shows
// the modal TAboutBox over SourceHandle (null: the main window).
class TAboutBoxDlg {
 public:
  std::string ProductName;
  std::string Version;
  std::string PeriodText;
  std::string Comment0, Comment1, Comment2;
  std::string Title;  // empty: the application title
  HWND SourceHandle = nullptr;

  // True when closed with Ｏ Ｋ or after the home page or the mail program was opened.
  bool Execute() const;
};

// The raised panel of the box: a panel with a bevel.
class RaisedPanel : public Panel {
 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The modal about box TAboutBox.
class TAboutBox : public DialogForm {
 public:
  static constexpr const char* ClassName = "TAboutBox";

  bool Build(const TAboutBoxDlg& texts);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Opens the address; true when the system started a program for it.
  bool Open(const std::string& address) const;
  void ColorBtn2Click();
  void ColorBtn3Click();

  RaisedPanel Panel1;
  HWND ProgramIcon = nullptr;
  Label ProductName, Version, PeriodLabel, Comments, Comment0, Comment1, Comment2;
  TColorBtn ColorBtn1, ColorBtn2, ColorBtn3;
  TMKBoxDlg MKBoxDlg1;
  Hints hints_;
};
