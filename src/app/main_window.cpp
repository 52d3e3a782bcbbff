#include "app/main_window.h"

#include <utility>

#include "app/hand_over.h"
#include "app/long_path.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "app/main_menu.h"
#include "app/program_constants.h"
#include "common/decimal.h"
#include "setup/file_system.h"
#include "ui/application.h"

MainWindow::MainWindow(ProgramContext context)
    : context_(std::move(context)),
      font_(MakeFont("System", -13)),
      boldFont_(MakeFont("System", -13, true)),
      menu_(MainMenuTable()),
      popupMenuIxy_(HotSpotPopupTable(), true),
      picture_(*this),
      commands_(MenuCommands()),
      submenuHandlers_(SubmenuHandlers()),
      timerCreate_(*this, 100, [this] { TimerCreateTimer(); }),
      timer1_(*this, 300, [this] { Timer1Timer(); }),
      timerVisible_(*this, 500, [this] { Timer_VisibleTimer(); }),
      timerClip_(*this, 200, [this] { Timer_ClipTimer(); }),
      timerIcon_(*this, 200, [this] { Timer_IconTimer(); }) {}

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

std::vector<MainWindow::MenuCommand> MainWindow::MenuCommands() {
  std::vector<MenuCommand> commands = {
      {"MExit", [this] { MExitClick(); }},
      {"MPIKTO", [this] { StartCapture(); }},
      {"MGET_FORM_SIZE", [this] { MGET_FORM_SIZEClick(); }},
      {"MGET_LEFT", [this] { MGET_LEFTClick(ValueEntryMode::TopLeftSize); }},
      {"MG_HOSEI_SET", [this] { MGET_LEFTClick(ValueEntryMode::CentreCorrection); }},
      {"MJPG_COMP", [this] { MGET_LEFTClick(ValueEntryMode::JpegQuality); }},
      {"MGET_NON", [this] { MGET_NONClick(); }},
      {"MGET_GOUSEI", [this] { MGET_GOUSEIClick(); }},
      {"MGET_MOUSE_POINTER", [this] { MGET_MOUSE_POINTERClick(); }},
      {"M_Real", [this] { picture_.M_RealClick(); }},
      {"M_Clear", [this] { picture_.M_ClearClick(); }},
      {"MK_Migi", [this] { picture_.MK_MigiClick(TransformKind::RotateRight); }},
      {"MK_SAKA", [this] { picture_.MK_MigiClick(TransformKind::Rotate180); }},
      {"MK_Left", [this] { picture_.MK_MigiClick(TransformKind::RotateLeft); }},
      {"MK_Mirror", [this] { picture_.MK_MigiClick(TransformKind::Mirror); }},
      {"MBMP_BAI", [this] { picture_.MBMP_HEARFClick(ScaleKind::Double); }},
      {"MBMP_HEARF", [this] { picture_.MBMP_HEARFClick(ScaleKind::Half); }},
      {"MSet_Cursor", [this] { MSet_CursorClick(); }},
      {"BackColor", [this] { BackColorClick(); }},
      {"MHELP_MINI", [this] { MHELP_MINIClick(); }},
      {"MBMP_LOAD", [this] { MBMP_LOADClick(true); }},
      {"MBMP_SAVE", [this] { MBMP_SAVEClick(); }},
      {"MJPG_SAVE", [this] { MJPG_SAVEClick(); }},
      {"MJPG_INTERNET", [this] { MJPG_INTERNETClick(); }},
  };
  for (int type = 0; type < static_cast<int>(std::size(CaptureTypeEntries)); ++type) {
    commands.push_back({CaptureTypeEntries[type], [this, type] { GType0Click(type); }});
  }
  for (int delay = 0; delay < static_cast<int>(std::size(DelayEntries)); ++delay) {
    commands.push_back({DelayEntries[delay], [this, delay] { TM0Click(delay); }});
  }
  return commands;
}

std::vector<MainWindow::MenuCommand> MainWindow::SubmenuHandlers() {
  return {
      {"MFile0", [this] { MFile0Click(); }},
      {"MPIKTO0", [this] { UpdateCaptureCaptions(); }},
      {"M_GAMEN0", [this] { M_GAMEN0Click(); }},
      {"M_KAITEN0", [this] { M_KAITEN0Click(); }},
  };
}

void MainWindow::OnCommand(UINT id) {
  const auto name = menu_.NameOfCommand(id);
  if (!name) return;
  for (const MenuCommand& command : commands_) {
    if (*name == command.name) command.handler();
  }
}

void MainWindow::OnMenuOpening(HMENU submenu) {
  const auto name = menu_.NameOfSubmenu(submenu);
  if (!name) return;
  for (const MenuCommand& handler : submenuHandlers_) {
    if (*name == handler.name) handler.handler();
  }
}

void MainWindow::M_GAMEN0Click() {
  menu_.SetEnabled("M_Clear", picture_.CanRestore());
  menu_.SetEnabled("M_Real", picture_.HasWorkingPicture());
}

void MainWindow::M_KAITEN0Click() {
  for (const char* entry : {"MK_Migi", "MK_SAKA", "MK_Left", "MK_Mirror"}) {
    menu_.SetEnabled(entry, picture_.HasWorkingPicture());
  }
}

void MainWindow::HideMainWindow() { Hide(); }
void MainWindow::StartReshow() { timerVisible_.SetEnabled(true); }
void MainWindow::EmptyCursorPreview() {}
int MainWindow::ShowMsgTimed(const std::string& text, int timeoutAnswer) {
  return mkBoxDlg1_.ShowMsgTimed(text, timeoutAnswer);
}

bool MainWindow::HandleDialogKey(const MSG& message) { return TColorBtn::HandleDialogKey(Handle(), message); }

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      const HWND control = reinterpret_cast<HWND>(lParam);
      if (!control && HIWORD(wParam) == 0) {
        OnCommand(LOWORD(wParam));
      } else if (HIWORD(wParam) == BN_CLICKED && (control == checkBox1_.Handle() || control == checkBox2_.Handle())) {
        CheckBox1Click(control);
      }
      return 0;
    }
    case WM_INITMENUPOPUP:
      OnMenuOpening(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const COLORREF back = InputColourOf(reinterpret_cast<HWND>(lParam)).value_or(Colour());
      SetBkColor(dc, back);
      SetTextColor(dc, FontColour());
      SetDCBrushColor(dc, back);
      return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    case WM_DRAWITEM: {
      // The picture lists draw their items themselves once they have any; empty, they show
      // their input colour.
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      SetDCBrushColor(item->hDC, InputColourOf(item->hwndItem).value_or(Colour()));
      FillRect(item->hDC, &item->rcItem, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      return TRUE;
    }
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(Handle(), &area);
      SetDCBrushColor(reinterpret_cast<HDC>(wParam), Colour());
      FillRect(reinterpret_cast<HDC>(wParam), &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      return 1;
    }
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED && panelTop_.Handle()) FormResize();
      return 0;
    case WM_LBUTTONUP:
      FormClick();
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
