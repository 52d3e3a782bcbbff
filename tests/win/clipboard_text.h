#pragma once
// Text on the clipboard as another program leaves it, so a test sees whether a picture replaced it.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

inline bool PutClipboardText(HWND owner, const std::string& text) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  const bool put = SetClipboardData(CF_TEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

// The clipboard's text; empty when it holds none.
inline std::string ClipboardText(HWND owner) {
  std::string text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE memory = GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(memory))) {
      text = chars;
      GlobalUnlock(memory);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace
