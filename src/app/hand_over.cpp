#include "app/hand_over.h"

#include "ui/handles.h"

void SendHandOver(HWND runningWindow, const std::string& text) {
  // GlobalAddAtomA refuses texts over 255 bytes; atom 0 then reads as an empty text.
  GlobalAtom atom(text.empty() ? ATOM{} : GlobalAddAtomA(text.c_str()));
  SendMessageA(runningWindow, HandOverMessage, atom.Get(), 0);
}

std::string ReadHandOverAtom(WPARAM atom) {
  if (atom == 0) return std::string();
  char buffer[258] = {};
  const UINT length = GlobalGetAtomNameA(static_cast<ATOM>(atom), buffer, sizeof buffer);
  return std::string(buffer, length);
}
