#include "capture/hot_key_capture.h"

#include "capture/hot_key_box.h"

namespace {

// A window of another program, or null when the program itself is in front (the capture then
// takes the window that was active before it, as 取り込み does).
HWND ForeignForegroundWindow() {
  HWND front = GetForegroundWindow();
  DWORD process = 0;
  if (!front || !GetWindowThreadProcessId(front, &process) || process == GetCurrentProcessId()) return nullptr;
  return front;
}

}  // namespace

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

void HotKeyCapture::OnHotKey() {
  HWND main = window_.Window().Handle();
  if (capture_.CapturePending() || !IsWindowVisible(main) || !IsWindowEnabled(main) ||
      !window_.Menu().Enabled("MPIKTO0")) {
    return;
  }
  capture_.CaptureActiveWindow(ForeignForegroundWindow());
}
