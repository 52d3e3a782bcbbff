#include "setup/setup_window.h"

#include "common/program_identity.h"
#include "setup/setup_texts.h"
#include "ui/application.h"

namespace {
constexpr Size ClientArea{456, 171};
}

SetupWindow::SetupWindow(SetupMode mode)
    : mode_(mode),
      Timer1(*this, 500, [this] { Timer1Timer(); }),
      Timer2(*this, 500, [this] { Timer2Timer(); }),
      TimerErOut(*this, 1000, [this] { TimerErOutTimer(); }) {}

bool SetupWindow::Create() {
  RegisterWindowClass(ClassName, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1)));
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  RECT frame{0, 0, ClientArea.width, ClientArea.height};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_TOPMOST);
  const Bounds initial{0, 0, frame.right - frame.left, frame.bottom - frame.top};
  if (!CreateWindowOfClass(ClassName, ProgramTitle, style, WS_EX_TOPMOST, initial, nullptr)) return false;
  Application::SetMainWindow(Handle());
  FormCreate();
  return true;
}

void SetupWindow::FormCreate() {
  versionCaption_ = VersionCaption(Application::Title(), ProgramVersion);

  // Centred on the screen.
  const Bounds own = GetBounds();
  SetBounds({(GetSystemMetrics(SM_CXSCREEN) - own.width) / 2, (GetSystemMetrics(SM_CYSCREEN) - own.height) / 2,
             own.width, own.height});

  std::string caption;
  if (mode_ == SetupMode::Install) {
    caption = versionCaption_ + " 登録";
    Show();
  } else {
    // The uninstall flows stay hidden; only their timers and messages act.
    caption = versionCaption_ + " 削除";
    Timer& timer = mode_ == SetupMode::Uninstall         ? Timer1
                   : mode_ == SetupMode::UninstallHelper ? Timer2
                                                         : TimerErOut;
    timer.SetEnabled(true);
  }
  SetCaption(caption);
  Application::SetTitle(caption);
}

void SetupWindow::EndUninstallFlow(Timer& timer) {
  timer.SetEnabled(false);
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void SetupWindow::TimerErOutTimer() {
  TimerErOut.SetEnabled(false);
  MKBoxDlg1.ShowMsg("アンインストールえらー：ソフトが起動中です。\n終了しないとアンインストール出来ません。");
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

LRESULT SetupWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefaultMessage(message, wParam, lParam);
}
