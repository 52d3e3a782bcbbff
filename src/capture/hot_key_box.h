#pragma once
#include <optional>

#include "dialogs/color_btn.h"
#include "msgbox/mk_box_dlg.h"
#include "msgbox/settings_box.h"
#include "ui/combo_box.h"
#include "ui/controls.h"
#include "workspace/hot_key_combination.h"

// The modal box of ホットキーの設定: the modifiers Ctrl, Shift, Alt and Win as check boxes and the
// key from a list. 設定 takes a usable combination only; 初期値 shows Ctrl+Shift+F12 again.
class HotKeyBox : public SettingsBox {
 public:
  static constexpr const char* ClassName = "THotKeyBox";

  // The combination the user confirmed; nullopt when the box was cancelled or closed.
  static std::optional<HotKeyCombination> Ask(const HotKeyCombination& current, bool standardColor);

 protected:
  HWND FirstFocus() const override { return ComboBox_Key.Handle(); }

 private:
  bool Build(const HotKeyCombination& current, bool standardColor);
  void ShowCombination(const HotKeyCombination& combination) const;
  HotKeyCombination Chosen() const;
  void Button_SetClick();

  Label Label_Prompt;
  CheckBox CheckBox_Ctrl, CheckBox_Shift, CheckBox_Alt, CheckBox_Win;
  Label Label_Plus;
  ComboBox ComboBox_Key;
  Label Label_Note;
  TColorBtn Button_Default, Button_Set, Button_Cancel;
  TMKBoxDlg MKBoxDlg1;
};
