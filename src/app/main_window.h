#pragma once
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/settings.h"
#include "capture/value_entry.h"
#include "cursor/stamp_cursor.h"
#include "dialogs/color_btn.h"
#include "edit/working_picture.h"
#include "msgbox/mk_box_dlg.h"
#include "setup/shortcut_paths.h"
#include "ui/controls.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/hints.h"
#include "ui/menu.h"
#include "ui/panel.h"
#include "ui/scroll_box.h"
#include "ui/timer.h"

// Folders and arguments the main block fixed before the window was created.
struct ProgramContext {
  std::string programFolder;  // with trailing separator
  std::string windowsFolder;  // with trailing separator
  std::vector<std::string> arguments;
  std::string jpegLibrary;    // about data: the linked JPEG library as it reports itself
};

// The main window TPIKTORAN_QUILO: the composition root of the running program. It owns the
// components, lays them out, and routes each menu entry, button and timer to its handler.
class MainWindow : public Form, private PictureHost {
 public:
  static constexpr const char* ClassName = "TPIKTORAN_QUILO";

  explicit MainWindow(ProgramContext context);
  // Creates the window and runs FormCreate; the deferred start-up follows 100 ms later.
  bool Create();

  // FormPaint's colour rule: the window colour unless the window text on it is black, then
  // the button face. Panels, buttons and message boxes take it.
  COLORREF Colour() const override;
  HFONT Font() const override { return font_.Get(); }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool HandleDialogKey(const MSG& message) override;

 private:
  // Start-up and close path (main_window_startup.cpp, main_window.cpp).
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
  void ApplySettingsToMenus();

  // Composition, layouts and window-level switches (main_window_layout.cpp).
  void CreateComponents();
  void ApplyLayout();
  void FormResize();
  void FormClick();
  void Panel_LeftResize();
  void Panel_TopResize();
  void ApplyTopMost();
  void CheckBox1Click(HWND sender);
  void ApplyInputColours();
  void BackColorClick();
  void MHELP_MINIClick();
  void MSet_CursorClick();
  void UpdatePositionHint();
  void ShowSizeText(const std::string& text) override;
  void Timer_VisibleTimer();
  void Timer_ClipTimer();
  void Timer_IconTimer();
  // The input fields whose colour follows the BackColor switch.
  std::array<HWND, 6> InputControls() const;
  std::optional<COLORREF> InputColourOf(HWND control) const;
  int EditSizeHeight() const;
  Bounds EditSizeBounds() const;
  void ShowCaptureTypeOnPanels();

  // Files reaching the running program.
  void OnHandOver(WPARAM atom);
  void OnDropFiles(HDROP drop);
  void OpenHandedFiles();
  void AppendHandedFilesToHistory();
  void ShowFileHistory();
  void OpenSelectedHistoryEntry();

  // Capture types, delay, value entry and the capture run (main_window_capture.cpp).
  void StartCapture();
  void Timer1Timer();
  void GType0Click(int type);
  void SelectCaptureType(int type);
  void UpdateCaptureCaptions();
  void TM0Click(int delayIndex);
  void MGET_FORM_SIZEClick();
  void MGET_MOUSE_POINTERClick();
  void MGET_NONClick();
  void MGET_GOUSEIClick();
  void MGET_LEFTClick(ValueEntryMode mode);
  void ColorBtn_SZClick();
  void LeaveValueEntry();
  void SetValueEntryControlsEnabled(bool enabled);
  int TextWidth(HFONT font, const std::string& text) const;

  // BMP and JPEG files (main_window_files.cpp).
  void MFile0Click();
  void MBMP_SAVEClick();
  void MJPG_SAVEClick();
  void MJPG_INTERNETClick();
  // From the menu entry a dialog chooses the file; otherwise pendingLoadName_ names it.
  void MBMP_LOADClick(bool fromMenu);
  std::optional<std::string> ChooseFileToLoad();
  bool LoadIntoWorkingPicture(const std::string& fileName);
  enum class ProgressStage { Running, Ending };
  void Image1Progress(ProgressStage stage, int percent);
  void LeaveTopMost();

  // The working picture's commands and the availability of their entries.
  void M_GAMEN0Click();
  void M_KAITEN0Click();

  // What the picture commands need from the window.
  void HideMainWindow() override;
  void StartReshow() override;
  void EmptyCursorPreview() override;
  int ShowMsgTimed(const std::string& text, int timeoutAnswer) override;
  ScrollBox& PictureBox() override { return scrollBox1_; }

  // Command ids meet handler names here: menu entry → handler, and submenu → its opening
  // handler.
  struct MenuCommand {
    const char* name;
    std::function<void()> handler;
  };
  std::vector<MenuCommand> MenuCommands();
  std::vector<MenuCommand> SubmenuHandlers();
  void OnCommand(UINT id);
  void OnMenuOpening(HMENU submenu);

  ProgramContext context_;
  FontHandle font_;
  FontHandle boldFont_;  // ColorBtn_SZ
  MenuTree menu_;
  MenuTree popupMenuIxy_;
  TMKBoxDlg mkBoxDlg1_;
  Hints hints_;

  // Upper part: the layouts and the size bar.
  Panel panelTop_;
  Panel panelLeft_;
  TColorBtn colorBtn1_;
  CheckBox checkBox1_;
  Label labelIx_, labelIy_;
  Panel panelIcon_;
  OwnerDrawnComboBox comboBoxIcon_, comboBoxSelect_, comboBoxDefault_, comboBoxArrow_;
  Panel panelType_;
  Panel panelSlim_;
  TColorBtn colorBtn2_;
  CheckBox checkBox2_;
  Panel panelType2_;
  Panel panelSize_;
  EditBox editSize_;
  TColorBtn colorBtnLoad_;
  TColorBtn colorBtnSz_;
  OwnerDrawnComboBox comboBoxIconFile_;

  ScrollBox scrollBox1_;
  WorkingPicture picture_;
  std::vector<MenuCommand> commands_;
  std::vector<MenuCommand> submenuHandlers_;
  Panel panelOpen_;
  Panel panelFhis_;
  ListBox listBoxFhis_;
  Label labelFhisKosu_;

  Timer timerCreate_;
  Timer timer1_;
  Timer timerVisible_;
  Timer timerClip_;
  Timer timerIcon_;

  bool closeDone_ = false;
  bool startupComplete_ = false;
  std::string startupError_;
  MainSettings settings_;
  CurrentCursor cursor_;  // Image_AND, Image_XOR, the hot spot and the combine flag
  std::vector<Bounds> captureFill_;  // gaps of the last type-2 capture, for the capture fill
  std::optional<ValueEntryMode> valueEntry_;  // on while the size bar takes a value
  std::string valueEntryRememberedText_;
  HandedFiles handed_;
  FileDialog saveDialog1_{FileDialog::Kind::Save};           // BMP save
  FileDialog saveDialog2_{FileDialog::Kind::Save};           // JPEG save
  FileDialog openPictureDialog1_{FileDialog::Kind::Open};    // picture load
  std::string pendingLoadName_;  // set by the file history and the restore button before a load
  ShortcutPaths shortcuts_;
};
