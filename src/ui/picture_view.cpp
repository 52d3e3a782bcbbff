#include "ui/picture_view.h"

namespace {
constexpr const char* PictureViewClass = "TImage";
}

bool PictureView::Create(HWND parent, Point at) {
  RegisterWindowClass(PictureViewClass);
  return CreateWindowOfClass(PictureViewClass, "", WS_CHILD | WS_VISIBLE, 0, {at.x, at.y, 0, 0}, parent);
}

void PictureView::SetPicture(const Picture* picture) {
  picture_ = picture;
  const Bounds b = GetBounds();
  const Size size = picture ? picture->GetSize() : Size{};
  SetBounds({b.left, b.top, size.width, size.height});
  Redraw();
}

LRESULT PictureView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const Point at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      if (picture_ && !picture_->Empty()) picture_->Draw(dc, 0, 0);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_LBUTTONDOWN:
      dragging_ = true;
      SetCapture(Handle());
      SetCursor(LoadCursor(nullptr, IDC_SIZEALL));
      return 0;
    case WM_LBUTTONUP:
      if (dragging_) {
        dragging_ = false;
        ReleaseCapture();
        POINT screen{at.x, at.y};
        ClientToScreen(Handle(), &screen);
        if (onDrop) onDrop(screen);
      }
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (onMouseDown) onMouseDown(message == WM_RBUTTONDOWN ? MouseButton::Right : MouseButton::Middle, at);
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
