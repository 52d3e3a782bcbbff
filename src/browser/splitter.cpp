#include "browser/splitter.h"

#include <windowsx.h>

bool Splitter::Create(HWND parent, const Bounds& bounds) {
  RegisterWindowClass("TSplitter");
  return CreateWindowOfClass("TSplitter", "", WS_CHILD | WS_VISIBLE, 0, bounds, parent);
}

LRESULT Splitter::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
      return TRUE;
    case WM_LBUTTONDOWN:
      grip_ = GET_X_LPARAM(lParam);
      dragging_ = true;
      SetCapture(Handle());
      return 0;
    case WM_MOUSEMOVE:
      if (dragging_ && onMoved) {
        POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        MapWindowPoints(Handle(), GetParent(Handle()), &p, 1);
        onMoved(p.x - grip_);
      }
      return 0;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (dragging_) {
        dragging_ = false;
        if (message == WM_LBUTTONUP) ReleaseCapture();
      }
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
