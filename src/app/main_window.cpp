#include "app/main_window.h"

#include <utility>

#include "app/hand_over.h"
#include "app/long_path.h"
#include "app/main_menu.h"
#include "app/program_constants.h"
#include "app/setting_captions.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "common/decimal.h"
#include "msgbox/work_area_probe.h"
#include "setup/file_system.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {

constexpr COLORREF Aqua = RGB(0, 255, 255);
constexpr int StartupInterval = 100;
constexpr const char* StartupErrorText = "エラー：１";

struct MenuCommand {
  const char* name;
  void (MainWindow::*handler)();
};

}  // namespace

MainWindow::MainWindow(ProgramContext context)
    : context_(std::move(context)),
      menu_(MainMenuTable()),
      timerCreate_(*this, StartupInterval, [this] { TimerCreateTimer(); }) {}

bool MainWindow::Create() {
  RegisterWindowClass(ClassName, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
  const Bounds initial{CW_USEDEFAULT, CW_USEDEFAULT, MainWindowDefaultSize.width, MainWindowDefaultSize.height};
  if (!CreateWindowOfClass(ClassName, ProgramTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, initial, nullptr)) {
    return false;
  }
  Application::SetMainWindow(Handle());
  menu_.AttachTo(Handle());
  FormCreate();
  Show();
  UpdateWindow(Handle());
  return true;
}

COLORREF MainWindow::Colour() const {
  return GetSysColor(COLOR_WINDOWTEXT) != RGB(0, 0, 0) ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
}

void MainWindow::FormCreate() {
  // 1. The title in large type covers the window until the start-up completes.
  ScreenCursor::SetBusy(true);
  const Size client = ClientSize();
  panelOpen_.Create(Handle(), {0, 0, client.width, client.height}, ProgramTitle);
  panelOpen_.SetColour(Aqua);
  panelOpen_.SetFontColour(RGB(0, 0, 0));
  panelOpen_.SetFont(MakeFont("ＭＳ Ｐゴシック", -93, true, true));

  // 2. Menus wait for the start-up; the file history list fills its panel.
  for (const char* name : StartupMenus) menu_.SetEnabled(name, false);
  panelFhis_.Create(Handle(), {0, 0, client.width, 100});
  ShowWindow(panelFhis_.Handle(), SW_HIDE);
  const Size fhisClient = panelFhis_.ClientSize();
  listBoxFhis_.Create(panelFhis_.Handle(), {0, 0, fhisClient.width, fhisClient.height});
  labelFhisKosu_.Create(panelFhis_.Handle(), {0, 0, 40, 16}, "0ｺ");

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
  panelOpen_.SetBounds({0, 0, ClientSize().width, ClientSize().height});

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
  screenDepth_ = GetDeviceCaps(canvas.Get(), BITSPIXEL);
}

void MainWindow::SetUpSizeBar() {}

void MainWindow::EmptyWorkingPictureAndStartHints() {
  Application::SetShowHints(true);
  Application::SetHintPause(100);
}

void MainWindow::BuildCaptureAndDelayTables() {}
void MainWindow::BuildClearColourTable() {}
void MainWindow::FitSizeBarHeight() {}
void MainWindow::BuildCursorSources() {}
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
  Application::SetShowHints(settings_.miniHelp);
  ApplySettingsToMenus();
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

void MainWindow::ShowPositionAndTopMost() { ApplyTopMost(); }

void MainWindow::ApplyTopMost() {
  SetWindowPos(Handle(), settings_.topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  BringWindowToTop(Handle());
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

void MainWindow::StartCapture() {}

void MainWindow::OpenHandedFiles() {
  ShowFileHistory();
  AppendHandedFilesToHistory();
  OpenSelectedHistoryEntry();
}

void MainWindow::AppendHandedFilesToHistory() {
  const int firstNew = listBoxFhis_.Count();
  for (const std::string& file : handed_.files) listBoxFhis_.Add(file);
  listBoxFhis_.DeselectAll();
  listBoxFhis_.Select(firstNew);
  labelFhisKosu_.SetText(ToDecimal(listBoxFhis_.Count()) + "ｺ");
}

void MainWindow::ShowFileHistory() {}
void MainWindow::OpenSelectedHistoryEntry() {}

void MainWindow::OnHandOver(WPARAM atom) {
  const std::string text = ReadHandOverAtom(atom);
  if (!IsIconic(Handle())) SendMessageA(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ShowWindow(Handle(), SW_RESTORE);
  SetForegroundWindow(Handle());
  if (text.empty()) return;
  handed_ = {};
  ApplyArgumentRules(SplitHandOverText(text + "?"), FileProbe{FileExists, ExpandLongPath}, handed_);
  if (!handed_.files.empty()) {
    ShowFileHistory();
    AppendHandedFilesToHistory();
  }
  if (handed_.captureRequested) {
    StartCapture();
  } else if (!handed_.files.empty()) {
    OpenSelectedHistoryEntry();
  }
}

void MainWindow::OnDropFiles(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  bool accepted = false;
  if (count > 0) {
    handed_.files.clear();
    for (UINT i = 0; i < count; ++i) {
      char name[301] = {};
      const UINT length = DragQueryFileA(drop, i, name, sizeof name);
      const std::string file(name, length < sizeof name ? length : 0);
      if (LooksLikeFullPath(file)) handed_.files.push_back(file);
    }
    accepted = !handed_.files.empty();
    if (accepted) {
      ShowFileHistory();
      AppendHandedFilesToHistory();
    }
  }
  DragFinish(drop);
  if (accepted) OpenSelectedHistoryEntry();
}

void MainWindow::FormCloseQuery() {
  // Marked at once: the messages let through below may bring a second close request.
  if (closeDone_) return;
  closeDone_ = true;
  // A close that overtakes the deferred start-up must not let it run inside the message box.
  timerCreate_.SetEnabled(false);

  // Where the window stands when restored, also while it is minimised or maximised.
  WINDOWPLACEMENT placement{sizeof placement};
  const Bounds bounds = GetBounds();
  if ((IsIconic(Handle()) || IsZoomed(Handle())) && GetWindowPlacement(Handle(), &placement)) {
    const RECT& r = placement.rcNormalPosition;
    settings_.formBounds = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  } else {
    settings_.formBounds = bounds;
  }

  Application::ProcessMessages();
  DragAcceptFiles(Handle(), FALSE);
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  if (startupComplete_) {
    const std::string helpFile = context_.programFolder + ProgramBaseName + ".HLP";
    WinHelpA(Handle(), helpFile.c_str(), HELP_QUIT, 0);
    SettingsStore::WriteMain(settings_);
  } else {
    mkBoxDlg1_.ShowMsg("強制終了します。\n" + startupError_);
  }
  ScreenCursor::SetBusy(false);
  Application::ProcessMessages();
}

void MainWindow::MExitClick() { PostMessageA(Handle(), WM_CLOSE, 0, 0); }

void MainWindow::OnCommand(UINT id) {
  static constexpr MenuCommand Commands[] = {
      {"MExit", &MainWindow::MExitClick},
  };
  const auto name = menu_.NameOfCommand(id);
  if (!name) return;
  for (const MenuCommand& command : Commands) {
    if (*name == command.name) (this->*command.handler)();
  }
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0) OnCommand(LOWORD(wParam));
      return 0;
    case HandOverMessage:
      OnHandOver(wParam);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_CLOSE:
      if (closeDone_) return 0;  // a close request while the close path runs
      FormCloseQuery();
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
