#pragma once
#include <string>
#include <vector>

#include "dialogs/color_btn.h"
#include "msgbox/mk_box_dlg.h"
#include "setup/uninstall_rules.h"
#include "ui/combo_box.h"
#include "ui/controls.h"
#include "ui/focus_memory.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/hints.h"
#include "ui/timer.h"

// What the window TPIKTO_SETUP is started for.
enum class SetupMode {
  Install,          // the visible installer
  Uninstall,        // "/uninstall"
  UninstallHelper,  // the uninstall helper's copy
  Busy,             // "/uninstall" while the program runs
};

// The installer and uninstaller window TPIKTO_SETUP. As the installer it is visible: the user
// picks the folder and the Program Manager group, 設定 copies the program's files there and
// registers it. In the uninstall modes it stays hidden and its timers do the work.
class SetupWindow : public Form {
 public:
  static constexpr const char* ClassName = "TPIKTO_SETUP";

  // `arguments`: the command line's (the helper copy checks them).
  SetupWindow(SetupMode mode, std::vector<std::string> arguments);
  bool Create();

  COLORREF Colour() const override;
  COLORREF FontColour() const override;
  HFONT Font() const override { return font_.Get(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool HandleDialogKey(const MSG& message) override;
  void DpiChanged(int oldDpi, int newDpi) override;

 private:
  void FormCreate();
  void CreateControls();
  // Reads Program Manager's groups into the group box (the message when no conversation opens).
  void DdeClientConv1Open();
  void FormCloseQuery();
  void FormPaint();
  LRESULT FieldColours(HDC dc);

  void Button1Click();  // 参照
  void Button2Click();  // 中止
  void Button3Click();  // 設定
  void Button4Click();  // 初期値
  void CheckBoxBkColorClick();
  void QUILO_COLORClick();

  // The installation's steps (install_steps.cpp); false stops it with the window left open.
  bool MakeFolders(const std::string& folder);
  bool CopyProgramFiles(const std::string& targetFolder);
  bool WriteValue(HKEY root, const std::string& key, const std::string& name, const std::string& value);
  bool RegisterInGroups(const std::string& group, const std::string& targetProgram);
  bool RegisterInGroup(const std::string& group, const std::string& targetProgram);
  // 設定 comes back: the installation stopped.
  void StopInstalling();
  // 設定中 in the place of 設定 while an installation runs, else 設定. The one out of sight is
  // hidden, not only covered, so that the keyboard never lands on it.
  void ShowInstalling(bool running);

  // The uninstall (uninstall_steps.cpp): the questions, the removals, the helper copy started.
  void Timer1Timer();
  // `shortcut`: the item's file, whose staying behind makes a refused command worth telling.
  void RemoveFromGroup(const std::string& group, const std::string& shortcut);
  // False (and said) when the record could not be written.
  bool WriteHandover();
  void StartHelper(const std::string& helperPath);
  // The helper copy (uninstall_helper.cpp): reads the hand-over record, then deletes the
  // program file as soon as it can and removes the emptied folders.
  void Timer2Timer();
  void Timer3Timer();
  void ReadHandover();
  void RemoveProgramFolders();
  void TimerErOutTimer();
  // Shows the text, then closes the window, which ends the program.
  void EndWithMessage(const std::string& text);

  SetupMode mode_;
  std::vector<std::string> arguments_;
  std::string versionCaption_;
  std::string proposedFolder_;
  std::string previousGroup_;
  ColourValue colour_;
  ColourValue fontColour_;
  // The helper's hand-over: the program file to delete and whether its folders go too.
  std::string programFile_;
  bool removeFolders_ = true;
  int deleteTries_ = 0;
  FocusMemory focus_;
  FontHandle font_;
  Hints hints_;
  Label Label1;
  EditBox Edit1;
  TColorBtn Button1;
  TColorBtn Button4;
  Label Label2;
  ComboBox ComboBox1;  // editable: a group name may be typed
  CheckBox CheckBoxST;
  CheckBox CheckBoxBkColor;
  CheckBox QUILO_COLOR;
  TColorBtn Button5;  // 設定中, beneath 設定 and hidden while 設定 shows
  TColorBtn Button3;
  TColorBtn Button2;
  TMKBoxDlg MKBoxDlg1;
  Timer Timer1;
  Timer Timer2;
  Timer Timer3;
  Timer TimerErOut;
};
