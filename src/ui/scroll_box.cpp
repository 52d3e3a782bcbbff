#include "ui/scroll_box.h"

#include <algorithm>

namespace {

constexpr const char* ScrollBoxClass = "TScrollBox";
constexpr int LineStep = 8;  // pixels per click on a scroll arrow

void SetBar(HWND window, int bar, int range, int page, int position) {
  SCROLLINFO info{sizeof info};
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(range - 1, 0);
  info.nPage = static_cast<UINT>(std::max(page, 0));
  info.nPos = position;
  SetScrollInfo(window, bar, &info, TRUE);
}

Point At(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return MouseButton::Middle;
    default:
      return MouseButton::None;
  }
}

}  // namespace

bool ScrollBox::Create(HWND parent, const Bounds& bounds) {
  RegisterWindowClass(ScrollBoxClass);
  return CreateWindowOfClass(ScrollBoxClass, "", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS,
                             WS_EX_CLIENTEDGE, bounds, parent);
}

void ScrollBox::SetPicture(const Picture* picture) {
  picture_ = picture;
  Refresh();
}

void ScrollBox::Refresh() {
  UpdateScrollBars();
  InvalidateRect(Handle(), nullptr, FALSE);
}

void ScrollBox::ResetScroll() {
  scroll_ = {};
  Refresh();
}

void ScrollBox::SetColour(COLORREF colour) {
  colour_ = colour;
  InvalidateRect(Handle(), nullptr, FALSE);
}

Size ScrollBox::PictureSize() const { return picture_ ? picture_->GetSize() : Size{}; }

void ScrollBox::UpdateScrollBars() {
  if (updatingBars_ || !Handle()) return;
  updatingBars_ = true;
  // Showing or hiding one bar changes the client area and so the other bar's page: repeat until
  // the client area stays as it is.
  for (int pass = 0; pass < 3; ++pass) {
    const Size client = ClientSize();
    const Size picture = PictureSize();
    scroll_.x = std::clamp(scroll_.x, 0, std::max(picture.width - client.width, 0));
    scroll_.y = std::clamp(scroll_.y, 0, std::max(picture.height - client.height, 0));
    SetBar(Handle(), SB_HORZ, picture.width, client.width, scroll_.x);
    SetBar(Handle(), SB_VERT, picture.height, client.height, scroll_.y);
    if (ClientSize() == client) break;
  }
  updatingBars_ = false;
}

void ScrollBox::Scroll(int bar, int request) {
  SCROLLINFO info{sizeof info};
  info.fMask = SIF_ALL;
  GetScrollInfo(Handle(), bar, &info);
  int position = info.nPos;
  switch (request) {
    case SB_LINEUP:
      position -= LineStep;
      break;
    case SB_LINEDOWN:
      position += LineStep;
      break;
    case SB_PAGEUP:
      position -= static_cast<int>(info.nPage);
      break;
    case SB_PAGEDOWN:
      position += static_cast<int>(info.nPage);
      break;
    case SB_THUMBTRACK:  // the picture follows the thumb while it is dragged
    case SB_THUMBPOSITION:
      position = info.nTrackPos;
      break;
    case SB_TOP:
      position = 0;
      break;
    case SB_BOTTOM:
      position = info.nMax;
      break;
    default:
      return;
  }
  position = std::clamp(position, 0, std::max(info.nMax - static_cast<int>(info.nPage) + 1, 0));
  int& current = bar == SB_HORZ ? scroll_.x : scroll_.y;
  if (position == current) return;
  const int shift = current - position;
  current = position;
  SetScrollPos(Handle(), bar, position, TRUE);
  ScrollWindowEx(Handle(), bar == SB_HORZ ? shift : 0, bar == SB_VERT ? shift : 0, nullptr, nullptr, nullptr,
                 nullptr, SW_INVALIDATE);
  UpdateWindow(Handle());
}

void ScrollBox::PaintTo(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  const int saved = SaveDC(dc);  // the clip change below stays ours
  if (picture_ && !picture_->Empty()) {
    picture_->Draw(dc, -scroll_.x, -scroll_.y);
    ExcludeClipRect(dc, -scroll_.x, -scroll_.y, picture_->Width() - scroll_.x, picture_->Height() - scroll_.y);
  }
  BrushHandle background(CreateSolidBrush(colour_));
  FillRect(dc, &client, background.Get());
  RestoreDC(dc, saved);
}

std::optional<Point> ScrollBox::PictureAt(POINT screen) const {
  POINT client = screen;
  ScreenToClient(Handle(), &client);
  const Size area = ClientSize();
  if (client.x < 0 || client.y < 0 || client.x >= area.width || client.y >= area.height) return std::nullopt;
  return Point{client.x + scroll_.x, client.y + scroll_.y};
}

void ScrollBox::OnMouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const Point client = At(lParam);
  PictureMouseEvent event{ButtonOf(message), {client.x + scroll_.x, client.y + scroll_.y}, wParam};
  const Size picture = PictureSize();
  const bool onPicture = event.at.x >= 0 && event.at.y >= 0 && event.at.x < picture.width && event.at.y < picture.height;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!onPicture) return;
      SetCapture(Handle());
      mouseHeld_ = true;
      if (onMouseDown) onMouseDown(event);
      return;
    case WM_MOUSEMOVE:
      if ((onPicture || mouseHeld_) && onMouseMove) onMouseMove(event);
      return;
    default:  // a button released
      if (!mouseHeld_) return;
      if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
        mouseHeld_ = false;
        ReleaseCapture();
      }
      if (onMouseUp) onMouseUp(event);
      return;
  }
}

LRESULT ScrollBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT, without flicker
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      PaintTo(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    case WM_HSCROLL:
      Scroll(SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_VSCROLL:
      Scroll(SB_VERT, LOWORD(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      OnMouse(message, wParam, lParam);
      return 0;
    case WM_CAPTURECHANGED:
      mouseHeld_ = false;
      return 0;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
