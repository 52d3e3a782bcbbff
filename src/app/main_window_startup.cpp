// The main window's creation and its deferred start-up, step by step in the binding order.
#include "app/long_path.h"
#include "app/main_menu.h"
#include "app/main_window.h"
#include "app/program_constants.h"
#include "app/setting_captions.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "capture/capture_captions.h"
#include "msgbox/work_area_probe.h"
#include "setup/file_system.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {
constexpr const char* StartupErrorText = "エラー：１";
}

void MainWindow::FormCreate() {
  // 1. The title in large type covers the window until the start-up completes.
  ScreenCursor::SetBusy(true);
  CreateComponents();

  // 2. Menus wait for the start-up.
  for (const char* name : StartupMenus) menu_.SetEnabled(name, false);

  // 3. Run state.
  closeDone_ = false;
  startupComplete_ = false;
  startupError_ = StartupErrorText;
  handed_ = {};

  // 4. The window icon comes with the window class.

  // 5. Placement from "FP", pulled inside the work area found afresh.
  ForgetTaskbar();
  ProbeWorkArea();
  SetBounds(MainWindowBounds(SettingsStore::ReadValue("FP"), ScreenSize(), WorkArea()));
  const Size client = ClientSize();
  panelOpen_.SetBounds({0, 0, client.width, client.height});

  // 6.
  timerCreate_.SetEnabled(true);
}

void MainWindow::TimerCreateTimer() {
  timerCreate_.SetEnabled(false);
  ReadScreenDepth();
  SetUpSizeBar();
  EmptyWorkingPictureAndStartHints();
  BuildCaptureAndDelayTables();
  BuildClearColourTable();
  FitSizeBarHeight();
  BuildCursorSources();
  BuildShapeTablesAndScratchBitmaps();
  LoadCursorHistory();
  BuildArrowList();
  ReadSettings();
  LoadFileHistory();
  SetTitle();
  ReadShortcutPaths();
  ShowPositionAndTopMost();
  CompleteStartup();
  CollectCommandLine();
  AcceptDroppedFiles();
  StartRequestedCapture();
}

void MainWindow::ReadScreenDepth() {
  WindowDc canvas(Handle());
  picture_.SetScreenDepth(GetDeviceCaps(canvas.Get(), BITSPIXEL));
}

void MainWindow::SetUpSizeBar() { ShowSizeText(CaptureSizeLabel); }

void MainWindow::EmptyWorkingPictureAndStartHints() {
  picture_.Working().Clear();
  picture_.RefreshPicture();
  Application::SetShowHints(true);
  Application::SetHintPause(100);
  hints_.Refresh();
}

void MainWindow::BuildCaptureAndDelayTables() {
  for (int index = 1; index < DelayCount; ++index) menu_.SetCaption(DelayEntries[index], DelayEntryCaption(index));
}
void MainWindow::BuildClearColourTable() {}

void MainWindow::FitSizeBarHeight() {
  const Bounds size = panelSize_.GetBounds();
  panelSize_.SetBounds({size.left, size.top, size.width, EditSizeHeight()});
  ApplyLayout();
}

// Until the user takes in a cursor of their own, the pointer overlay draws the system's arrow.
void MainWindow::BuildCursorSources() { LoadSystemArrow(cursor_); }
void MainWindow::BuildShapeTablesAndScratchBitmaps() {}
void MainWindow::LoadCursorHistory() {}
void MainWindow::BuildArrowList() {}

void MainWindow::ReadSettings() {
  SettingsEnvironment environment;
  environment.screen = ScreenSize();
  environment.formBounds = GetBounds();
  environment.programFolder = context_.programFolder;
  environment.windowsFolder = context_.windowsFolder;
  environment.systemWindowColour = static_cast<int>(GetSysColor(COLOR_WINDOW));
  settings_ = SettingsStore::ReadMain(environment);
  checkBox1_.SetChecked(settings_.topMost);
  checkBox2_.SetChecked(settings_.topMost);
  Application::SetShowHints(settings_.miniHelp);
  hints_.Refresh();
  ApplySettingsToMenus();
  ApplyInputColours();
  ApplyLayout();
  ShowCaptureTypeOnPanels();
  UpdateCaptureCaptions();
}

void MainWindow::ApplySettingsToMenus() {
  const MainSettings& s = settings_;
  menu_.SetChecked("BackColor", s.backColor);
  menu_.SetChecked("MHELP_MINI", s.miniHelp);
  menu_.SetChecked("MGET_MOUSE_POINTER", s.autoIn);
  menu_.SetChecked("MSet_Cursor", s.cursorSet);
  CheckIndexEntry(menu_, DelayEntries, s.timerIndex);
  menu_.SetCaption("GType7", TopLeftSizeCaption(s.leftUp));
  menu_.SetCaption("GType5", FixedRectangleCaption(s.kotei));
  CheckIndexEntry(menu_, CaptureTypeEntries, s.captureType);
  CheckIndexEntry(menu_, GouseiShapeEntries, s.gouseiShape);
  CheckIndexEntry(menu_, NaraberuShapeEntries, s.naraberuShape);
  CheckIndexEntry(menu_, ClearColourEntries, s.clearColourIndex);
  menu_.SetCaption("BMPBG6", UserColourCaption(s.myColour));
  menu_.SetChecked("M_SLIP", s.kougo);
  menu_.SetChecked("M_BAIMITU", s.baimitu);
  CheckIndexEntry(menu_, SizeStepEntries, s.sizeIndex);
  menu_.SetCaption("MG_HOSEI", CentreCorrectionCaption(s.centre));
  menu_.SetChecked("MG_HOSEI", s.hoseiOn);
  menu_.SetChecked("MJPG_INTERNET", s.jpgInternet);
  menu_.SetCaption("MJPG_COMP", JpegQualityCaption(s.jpgQuality));
  menu_.SetChecked("MGET_GOUSEI", s.gouseiM1);
  menu_.SetChecked("MGET_NON", s.capcherGousei);
  menu_.SetEnabled("MGET_GOUSEI", s.capcherGousei);
}

void MainWindow::LoadFileHistory() {}

void MainWindow::SetTitle() {
  const std::string title = std::string(ProgramTitle) + " ";
  Application::SetTitle(title);
  SetCaption(title);
}

void MainWindow::ReadShortcutPaths() {
  const auto shellFolders =
      RegistryKey::Open(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
  const auto folder = [&shellFolders](const char* name) {
    return shellFolders ? shellFolders->ReadString(name).value_or("") : std::string();
  };
  shortcuts_ = BuildShortcutPaths(folder("Programs"), folder("Desktop"), folder("Startup"),
                                  SettingsStore::ReadValue("Group").value_or(""), ProgramTitle);
}

void MainWindow::ShowPositionAndTopMost() {
  UpdatePositionHint();
  ApplyTopMost();
}

void MainWindow::CompleteStartup() {
  startupComplete_ = true;
  startupError_.clear();
  ShowWindow(panelOpen_.Handle(), SW_HIDE);
  for (const char* name : StartupMenus) menu_.SetEnabled(name, true);
}

void MainWindow::CollectCommandLine() {
  handed_ = {};
  ApplyArgumentRules(context_.arguments, FileProbe{FileExists, ExpandLongPath}, handed_);
  if (!handed_.files.empty()) OpenHandedFiles();
}

void MainWindow::AcceptDroppedFiles() {
  DragAcceptFiles(Handle(), TRUE);
  ScreenCursor::SetBusy(false);
}

void MainWindow::StartRequestedCapture() {
  if (handed_.captureRequested) StartCapture();
}

