#pragma once
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/settings.h"
#include "msgbox/mk_box_dlg.h"
#include "setup/shortcut_paths.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/timer.h"

// Folders and arguments the main block fixed before the window was created.
struct ProgramContext {
  std::string programFolder;  // with trailing separator
  std::string windowsFolder;  // with trailing separator
  std::vector<std::string> arguments;
  std::string jpegLibrary;    // about data: the linked JPEG library as it reports itself
};

// The main window TPIKTORAN_QUILO: the composition root of the running program.
class MainWindow : public Form {
 public:
  static constexpr const char* ClassName = "TPIKTORAN_QUILO";

  explicit MainWindow(ProgramContext context);
  // Creates the window and runs FormCreate; the deferred start-up follows 100 ms later.
  bool Create();

  // FormPaint's colour rule: the window colour unless the window text is black on it, then the
  // button face. Message boxes copy it.
  COLORREF Colour() const override;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Start-up and close path.
  void FormCreate();
  void TimerCreateTimer();
  void FormCloseQuery();
  void MExitClick();

  // The deferred start-up's steps, in their binding order.
  void ReadScreenDepth();
  void SetUpSizeBar();
  void EmptyWorkingPictureAndStartHints();
  void BuildCaptureAndDelayTables();
  void BuildClearColourTable();
  void FitSizeBarHeight();
  void BuildCursorSources();
  void BuildShapeTablesAndScratchBitmaps();
  void LoadCursorHistory();
  void BuildArrowList();
  void ReadSettings();
  void LoadFileHistory();
  void SetTitle();
  void ReadShortcutPaths();
  void ShowPositionAndTopMost();
  void CompleteStartup();
  void CollectCommandLine();
  void AcceptDroppedFiles();
  void StartRequestedCapture();

  // Settings whose effect is a menu check or caption.
  void ApplySettingsToMenus();
  void ApplyTopMost();

  // Files reaching the running program.
  void OnHandOver(WPARAM atom);
  void OnDropFiles(HDROP drop);
  void OpenHandedFiles();
  void AppendHandedFilesToHistory();
  void ShowFileHistory();
  void OpenSelectedHistoryEntry();
  void StartCapture();

  void OnCommand(UINT id);

  ProgramContext context_;
  MenuTree menu_;
  TMKBoxDlg mkBoxDlg1_;
  Panel panelOpen_;
  Panel panelFhis_;
  ListBox listBoxFhis_;
  Label labelFhisKosu_;
  Timer timerCreate_;

  bool closeDone_ = false;
  bool startupComplete_ = false;
  std::string startupError_;
  int screenDepth_ = 0;
  MainSettings settings_;
  HandedFiles handed_;
  ShortcutPaths shortcuts_;
};
