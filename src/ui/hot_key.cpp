#include "ui/hot_key.h"

namespace {
constexpr UINT NoRepeat = 0x4000;  // MOD_NOREPEAT
}  // namespace

bool HotKeyRegistration::Register(HWND window, int id, UINT modifiers, UINT key) {
  Release();
  if (!RegisterHotKey(window, id, modifiers | NoRepeat, key)) return false;
  window_ = window;
  id_ = id;
  return true;
}

void HotKeyRegistration::Release() {
  if (!window_) return;
  UnregisterHotKey(window_, id_);
  window_ = nullptr;
}
