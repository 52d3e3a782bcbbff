#include "app/main_window.h"

#include <utility>

#include "app/hand_over.h"
#include "app/help_file.h"
#include "app/settings_store.h"
#include "app/window_placement.h"
#include "capture/capture_fill.h"
#include "common/program_identity.h"
#include "ui/application.h"
#include "ui/dpi.h"
#include "ui/failure_log.h"
#include "workspace/main_menu.h"

MainWindow::MainWindow(ProgramContext context)
    : context_(std::move(context)),
      MainMenu1(MainMenuTable()),
      reshow_(*this, [this] { options_.ApplyTopMost(); }),
      capture_(workspace_, *this, {layout_.ColorBtn1, layout_.ColorBtn2, layout_.Panel_Type, layout_.Panel_Type2}),
      valueEntry_(workspace_, *this, layout_.sizeBar, capture_,
                  {&layout_.ColorBtn1, &layout_.ColorBtn2, &layout_.sizeBar.ColorBtn_Load}),
      cursorBar_(workspace_, *this,
                 {layout_.Panel_Icon, layout_.Label_IX, layout_.Label_IY, layout_.ComboBox_Icon, layout_.ComboBox_Select,
                  layout_.ComboBox_DEFAULT, layout_.ComboBox_Arrow, layout_.sizeBar, layout_.ScrollBox1}),
      TimerCreate(*this, 100, [this] { TimerCreateTimer(); }) {
  workspace_.programFolder = context_.programFolder;
  workspace_.windowsFolder = context_.windowsFolder;
  commands_.Bind("MExit", [this] { PostMessageA(Handle(), WM_CLOSE, 0, 0); });
  options_.Bind(commands_);
  capture_.Bind(commands_);
  hotKey_.Bind(commands_);
  series_.Bind(commands_);
  capture_.onCaptured = [this] { series_.CaptureTaken(); };
  valueEntry_.Bind(commands_);
  pictureCommands_.Bind(commands_);
  colours_.Bind(commands_);
  arrangement_.Bind(commands_);
  composition_.Bind(commands_);
  help_.Bind(commands_);
  valueEntry_.onCentreCorrection = [this] { composition_.M_GOUSEIClick(); };
  files_.Bind(commands_);
  printing_.Bind(commands_);
  files_.onLoadedFromMenu = [this](const std::string& fileName) { history_.AddLoadedFile(fileName); };
  history_.Bind(commands_);
  memories_.Bind(commands_);
  clipboard_.Bind(commands_);
  wallpaper_.Bind(commands_);
  paint_.Bind(commands_);
  shortcutCommands_.Bind(commands_);
  reshow_.AddClipStep([this] { FillCaptureGaps(workspace_, *this); });
  reshow_.AddClipStep([this] { series_.SaveTakenCapture(); });
  cursorBar_.Bind(commands_);
}

bool MainWindow::Create() {
  RegisterWindowClass(ClassName, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
  const Size size = DpiScale(SystemDpi())(MainWindowDefaultSize);
  const Bounds initial{CW_USEDEFAULT, CW_USEDEFAULT, size.width, size.height};
  if (!CreateWindowOfClass(ClassName, ProgramTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, initial, nullptr)) {
    return false;
  }
  Application::SetMainWindow(Handle());
  SetProgramIcons();
  MainMenu1.AttachTo(Handle());
  FormCreate();
  Show();
  UpdateWindow(Handle());
  return true;
}

COLORREF MainWindow::Colour() const {
  return GetSysColor(COLOR_WINDOWTEXT) != RGB(0, 0, 0) ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
}

void MainWindow::HideForWork() {
  Hide();
  cursorBar_.EmptyPreview();
}

void MainWindow::ShowPicture(const std::string& sizeText) {
  layout_.ScrollBox1.Refresh();
  layout_.sizeBar.ShowText(sizeText);
  layout_.ScrollBox1.ResetScroll();
}

void MainWindow::ShowNewPicture(const std::string& sizeText) {
  ShowPicture(sizeText);
  reshow_.Start();
}

void MainWindow::FormResize() {
  options_.ApplyLayout();
  options_.UpdatePositionHint();
  BringWindowToTop(Handle());
}

void MainWindow::FormCloseQuery() {
  // Marked at once: the messages let through below may bring a second close request.
  if (closeDone_) return;
  closeDone_ = true;
  // A close that overtakes the deferred start-up must not let it run inside the message box.
  TimerCreate.SetEnabled(false);

  // Where the window stands when restored, also while it is minimised or maximised.
  WINDOWPLACEMENT placement{sizeof placement};
  if ((IsIconic(Handle()) || IsZoomed(Handle())) && GetWindowPlacement(Handle(), &placement)) {
    const RECT& r = placement.rcNormalPosition;
    workspace_.settings.formBounds = {r.left, r.top, r.right - r.left, r.bottom - r.top};
  } else {
    workspace_.settings.formBounds = GetBounds();
  }

  Application::ProcessMessages();
  DragAcceptFiles(Handle(), FALSE);
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  hotKey_.Release();
  if (startupComplete_) {
    const std::string helpFile = HelpFilePath(context_.programFolder);
    WinHelpA(Handle(), helpFile.c_str(), HELP_QUIT, 0);
    cursorBar_.SaveHistory();
    history_.SaveList();
    SettingsStore::WriteMain(workspace_.settings);
  } else {
    MKBoxDlg1.ShowMsg("強制終了します。\n" + startupError_);
  }
  paint_.RemoveServedHandOvers();
  ScreenCursor::SetBusy(false);
  Application::ProcessMessages();
}

void MainWindow::OnFailure(std::exception_ptr failure) {
  const bool outOfMemory = IsOutOfMemory(failure);
  if (!outOfMemory) LogFailure(failure, "in the main window");
  if (closeDone_) return;
  // Whatever the command was in the middle of, the user gets the window and the title back.
  SetCaption(Application::Title());
  if (!capture_.CapturePending()) options_.ApplyTopMost();
  if (outOfMemory) MKBoxDlg1.ShowMsg(OutOfMemoryText);
}

void MainWindow::DpiChanged(int oldDpi, int newDpi) {
  Form::DpiChanged(oldDpi, newDpi);
  layout_.ChangeScale(*this, newDpi);
  options_.ApplyLayout();
  cursorBar_.ChangeScale();
}

bool MainWindow::HandleDialogKey(const MSG& message) { return TColorBtn::HandleDialogKey(Handle(), message); }

LRESULT MainWindow::ColourOf(HDC dc, HWND control) {
  const COLORREF back = options_.InputColourOf(control).value_or(Colour());
  SetBkColor(dc, back);
  SetTextColor(dc, FontColour());
  SetDCBrushColor(dc, back);
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam == 0 && HIWORD(wParam) == 0) commands_.Run(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP:
      commands_.RunOpening(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return ColourOf(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
      // The picture lists draw their items themselves once they have any; empty, they show
      // their input colour.
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      SetDCBrushColor(item->hDC, options_.InputColourOf(item->hwndItem).value_or(Colour()));
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
      if (wParam != SIZE_MINIMIZED && layout_.Panel_Top.Handle()) FormResize();
      return 0;
    case WM_LBUTTONUP:  // FormClick
      options_.UpdatePositionHint();
      return 0;
    case WM_HOTKEY:
      if (wParam == HotKeyCapture::HotKeyId) hotKey_.OnHotKey();
      return 0;
    case HandOverMessage:
      incoming_.OnHandOver(wParam);
      return 0;
    case IncomingFiles::OpenHandedOverMessage:
      incoming_.OpenHandedOver();
      return 0;
    case WM_DROPFILES:
      incoming_.OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends without a close request: save as closing does.
      if (wParam) FormCloseQuery();
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
