#pragma once
#include <string>
#include <vector>

#include "dialogs/color_btn.h"
#include "msgbox/settings_box.h"
#include "ui/combo_box.h"
#include "ui/controls.h"
#include "ui/hints.h"
#include "ui/panel.h"

// What one input box shows.
struct SNBoxRequest {
  std::string prompt;
  std::string title;                 // empty: the application title
  std::string text;                  // proposed in the edit
  std::vector<std::string> history;  // newest first
  bool standardColor = true;
  HWND source = nullptr;             // centred on it; null: the main window
};

// The modal one-line input box TSNBox with its drop-down history.
class TSNBox : public SettingsBox {
 public:
  static constexpr const char* ClassName = "TSNBox";

  // Builds and places the box; false when it could not be created.
  bool Build(const SNBoxRequest& request);

  std::string Text() const { return Edit1.Text(); }
  // The box's history with the edit's text moved to the top.
  std::vector<std::string> FinalHistory() const;

 protected:
  HWND FirstFocus() const override { return Edit1.Handle(); }

 private:
  void Button1Click();
  void Button3Click();
  void Button4Click();
  void ComboBox1Click();
  void ShowHistory(int selected) const;

  std::vector<std::string> history_;  // what ComboBox1 lists
  Label Msg;
  EditBox Edit1;
  TColorBtn Button1, Button2, Button3, Button4;
  Panel Panel1;
  ComboBox ComboBox1;
  Hints hints_;
};
