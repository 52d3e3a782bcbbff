#include "capture/hot_key_capture.h"

#include "capture/hot_key_box.h"

namespace {

constexpr UINT KeyUpPollMs = 30;
constexpr int MaxHeldPolls = 100;  // 3 seconds

// A window of another program, or null when the program itself is in front (the capture then
// takes the window that was active before it, as 取り込み does).
HWND ForeignForegroundWindow() {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (!front || !GetWindowThreadProcessId(front, &process) || process == GetCurrentProcessId()) return nullptr;
  return front;
}

bool Held(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

bool AnyKeyHeld(const HotKeyCombination& key) {
  return Held(static_cast<int>(key.key)) || ((key.modifiers & HotKeyModifier::Control) && Held(VK_CONTROL)) ||
         ((key.modifiers & HotKeyModifier::Shift) && Held(VK_SHIFT)) ||
         ((key.modifiers & HotKeyModifier::Alt) && Held(VK_MENU)) ||
         ((key.modifiers & HotKeyModifier::Win) && (Held(VK_LWIN) || Held(VK_RWIN)));
}

}  // namespace

HotKeyCapture::HotKeyCapture(Workspace& workspace, MainWindowServices& window, CaptureCommands& capture)
    : workspace_(workspace),
      window_(window),
      capture_(capture),
      Timer_KeyUp(window.Window(), KeyUpPollMs, [this] { Timer_KeyUpTimer(); }) {}

void HotKeyCapture::Bind(CommandTable& commands) {
  commands.Bind("MHOTKEY", [this] { MHOTKEYClick(); });
  commands.Bind("MHOTKEY_SET", [this] { MHOTKEY_SETClick(); });
}

void HotKeyCapture::ShowSettings() {
  window_.Menu().SetChecked("MHOTKEY", false);
  if (workspace_.settings.hotKeyOn) Register();
}

void HotKeyCapture::MHOTKEYClick() {
  if (workspace_.settings.hotKeyOn) {
    registration_.Release();
    SetOn(false);
  } else {
    Register();
  }
}

void HotKeyCapture::MHOTKEY_SETClick() {
  MainSettings& s = workspace_.settings;
  const auto chosen = HotKeyBox::Ask(s.hotKey, s.backColor);
  if (!chosen) return;
  s.hotKey = *chosen;
  if (s.hotKeyOn) Register();
}

void HotKeyCapture::Register() {
  const HotKeyCombination& key = workspace_.settings.hotKey;
  if (registration_.Register(window_.Window().Handle(), HotKeyId, key.modifiers, key.key)) {
    SetOn(true);
    return;
  }
  const bool taken = GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED;
  SetOn(false);
  window_.ShowMsg("ホットキー " + HotKeyText(key) + " を、登録できませんでした・・・\n" +
                  (taken ? "ほかのソフトが、このキーを使っています。\n" : "") +
                  "\nホットキーの設定で、別のキーを選んで下さい☆☆☆");
}

void HotKeyCapture::SetOn(bool on) {
  workspace_.settings.hotKeyOn = on;
  window_.Menu().SetChecked("MHOTKEY", on);
}

bool HotKeyCapture::CaptureAvailable() const {
  HWND main = window_.Window().Handle();
  return !capture_.CapturePending() && IsWindowVisible(main) && IsWindowEnabled(main) &&
         window_.Menu().Enabled("MPIKTO0");
}

void HotKeyCapture::OnHotKey() {
  if (Timer_KeyUp.Enabled() || !CaptureAvailable()) return;
  pressedIn_ = ForeignForegroundWindow();
  heldPolls_ = 0;
  Timer_KeyUpTimer();
}

void HotKeyCapture::Timer_KeyUpTimer() {
  Timer_KeyUp.SetEnabled(false);
  if (AnyKeyHeld(workspace_.settings.hotKey) && ++heldPolls_ < MaxHeldPolls) {
    Timer_KeyUp.SetEnabled(true);
    return;
  }
  // A box may have opened or the key been turned off while the keys were held.
  if (workspace_.settings.hotKeyOn && CaptureAvailable()) capture_.CaptureActiveWindow(pressedIn_);
}
