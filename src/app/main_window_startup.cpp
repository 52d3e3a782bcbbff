// The main window's creation and its deferred start-up, step by step in the binding order.
#include "app/main_window.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "capture/capture_captions.h"
#include "common/program_identity.h"
#include "msgbox/work_area_probe.h"
#include "setup/shell_registry.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "workspace/main_menu.h"

namespace {
constexpr const char* StartupErrorText = "エラー：１";
}

void MainWindow::FormCreate() {
  // 1. The title in large type covers the window until the start-up completes.
  ScreenCursor::SetBusy(true);
  layout_.Create(Handle(), Colour());
  layout_.ScrollBox1.SetPicture(&workspace_.picture.Working());
  cursorBar_.Create(reshow_, hints_);
  hints_.Add(layout_.ColorBtn1.Handle(), "画面を取り込み下部に表示");
  hints_.Add(layout_.ColorBtn2.Handle(), "画面を取り込み下部に表示");
  hints_.Add(layout_.CheckBox1.Handle(), "ピクトランを常に一番手前に表示");
  hints_.Add(layout_.CheckBox2.Handle(), "ピクトランを常に一番手前に表示");
  hints_.Add(Handle(), "");
  options_.ApplyLayout();

  // 2. Menus wait for the start-up.
  MainMenu1.SetEnabled(StartupMenus, false);

  // 3. Run state.
  closeDone_ = false;
  startupComplete_ = false;
  startupError_ = StartupErrorText;

  // 4. The window icon comes with the window class.

  // 5. Placement from "FP", pulled inside the work area found afresh.
  ForgetTaskbar();
  ProbeWorkArea();
  SetBounds(MainWindowBounds(SettingsStore::ReadValue("FP"), ScreenSize(), WorkArea(),
                             ScaleOf(Handle())(MainWindowDefaultSize)));
  layout_.CoverWithTitle();

  // 6.
  TimerCreate.SetEnabled(true);
}

// Features still to come take their places in this order: the clear colours after the
// capture tables, the cursor sources, shape tables, cursor history and arrow list before the
// settings, the file history after them.
void MainWindow::TimerCreateTimer() {
  TimerCreate.SetEnabled(false);
  workspace_.screenDepth = GetDeviceCaps(WindowDc(Handle()).Get(), BITSPIXEL);
  ShowSizeText(CaptureSizeLabel);
  workspace_.picture.Working().Clear();
  RefreshPicture();
  Application::SetShowHints(true);
  Application::SetHintPause(100);
  hints_.Refresh();
  // The size bar is as high as EditSize.
  const Bounds size = layout_.sizeBar.Panel_SIZE.GetBounds();
  layout_.sizeBar.Panel_SIZE.SetBounds({size.left, size.top, size.width, layout_.sizeBar.EditHeight()});
  options_.ApplyLayout();
  cursorBar_.BuildSources();
  ReadSettings();
  history_.LoadList();
  const std::string title = std::string(ProgramTitle) + " ";
  Application::SetTitle(title);
  SetCaption(title);
  ReadShortcutPaths();
  options_.UpdatePositionHint();
  options_.ApplyTopMost();
  CompleteStartup();
  incoming_.TakeCommandLine(context_.arguments);
  DragAcceptFiles(Handle(), TRUE);
  ScreenCursor::SetBusy(false);
  incoming_.StartRequestedCapture();
}

void MainWindow::ReadSettings() {
  SettingsEnvironment environment;
  environment.screen = ScreenSize();
  environment.formBounds = GetBounds();
  environment.defaultFormSize = ScaleOf(Handle())(MainWindowDefaultSize);
  environment.programFolder = context_.programFolder;
  environment.windowsFolder = context_.windowsFolder;
  environment.systemWindowColour = static_cast<int>(GetSysColor(COLOR_WINDOW));
  workspace_.settings = SettingsStore::ReadMain(environment);
  options_.ShowSettings();
  capture_.ShowSettings();
  colours_.ShowSettings();
  arrangement_.ShowSettings();
  composition_.ShowSettings();
  files_.ShowSettings();
  hotKey_.ShowSettings();
  series_.ShowSettings();
}

void MainWindow::ReadShortcutPaths() {
  shortcuts_ = BuildShortcutPaths(ShellFolderPath("Programs"), ShellFolderPath("Desktop"), ShellFolderPath("Startup"),
                                  SettingsStore::ReadValue("Group").value_or(""), ProgramTitle);
}

void MainWindow::CompleteStartup() {
  startupComplete_ = true;
  startupError_.clear();
  layout_.UncoverTitle();
  MainMenu1.SetEnabled(StartupMenus, true);
}
