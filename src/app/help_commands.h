#pragma once
#include <string>
#include <utility>

#include "app/about_box.h"
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The Help menu's commands: the help file beside the program (contents, keyword search, help on
// help) in the system's help viewer, or its HTML twin in the user's browser where Windows has no
// such viewer any more; the contact message, the about box AboutBoxDlg1 and removing the stored
// version.
class HelpCommands {
 public:
  // `jpegLibrary`: the linked JPEG library as it reported itself at start-up.
  HelpCommands(Workspace& workspace, MainWindowServices& window, std::string jpegLibrary)
      : workspace_(workspace), window_(window), jpegLibrary_(std::move(jpegLibrary)) {}

  void Bind(CommandTable& commands);

  void MHELP_MOKUJIClick();
  void MHELP_KEYWORDClick();
  void MHELP_HELPClick();
  void MQ_AClick();
  void MAboutClick();
  // ﾊﾞｰｼﾞｮﾝ番号削除: the stored version goes, so that the next start opens the installer again.
  void MHELP_VERCUTClick();

 private:
  // The help viewer's command, or the help page at `anchor` (empty: its top, the contents).
  void CallHelp(UINT command, ULONG_PTR data, const char* anchor) const;
  void OpenHelpPage(const char* anchor) const;

  Workspace& workspace_;
  MainWindowServices& window_;
  std::string jpegLibrary_;
  TAboutBoxDlg AboutBoxDlg1;
};
