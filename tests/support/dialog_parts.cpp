#include "support/dialog_parts.h"

#include <dlgs.h>

bool InsideWorkArea(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT r{};
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor) || !GetWindowRect(window, &r)) {
    return false;
  }
  const RECT& w = monitor.rcWork;
  return r.left >= w.left && r.top >= w.top && r.right <= w.right && r.bottom <= w.bottom;
}

bool TypeBoxShowsItsEntryWhole(HWND dialog) {
  HWND box = GetDlgItem(dialog, cmb1);
  RECT face{};
  if (!box || !GetClientRect(box, &face)) return false;
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&face), 2);
  // The last column of the face: the button lies inside the box's 2-pixel edge.
  const int last = face.right - 2 - GetSystemMetrics(SM_CXVSCROLL) - 1;
  HDC screen = GetDC(nullptr);
  const COLORREF background = GetPixel(screen, last, face.top + 3);
  int room = 0;  // blank columns left of the button
  bool text = false;
  for (int x = last; x > face.left + 2 && !text; --x) {
    for (int y = face.top + 3; y < face.bottom - 3 && !text; ++y) text = GetPixel(screen, x, y) != background;
    room += !text;
  }
  ReleaseDC(nullptr, screen);
  return text && room >= 4;
}
