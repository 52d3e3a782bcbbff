#include "ui/panel.h"

#include "ui/dpi.h"

namespace {
constexpr const char* PanelClass = "TPanel";
}

int TextWidth(HFONT font, const std::string& text) {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.Get(), font ? font : GuiFont(SystemDpi()));
  SIZE extent{};
  GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

int FontLineHeight(HFONT font) {
  WindowDc screen(nullptr);
  SelectedObject selected(screen.Get(), font ? font : GuiFont(SystemDpi()));
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.Get(), &metrics);
  return metrics.tmHeight;
}

bool Panel::Create(HWND parent, const Bounds& bounds, const std::string& caption) {
  RegisterWindowClass(PanelClass);
  return CreateWindowOfClass(PanelClass, caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                             bounds, parent);
}

void Panel::SetColour(COLORREF colour) {
  colour_ = colour;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::SetFontColour(COLORREF colour) {
  fontColour_ = colour;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::SetFont(HFONT font) {
  font_ = font;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Panel::SetSingleBorder(bool on) {
  singleBorder_ = on;
  InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT Panel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT, without flicker
    case WM_PAINT:
      Paint();
      return 0;
    // Notifications of the controls on a panel belong to the window that owns the panel.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (HWND root = GetAncestor(Handle(), GA_ROOT); root && root != Handle()) {
        return SendMessageA(root, message, wParam, lParam);
      }
      return DefaultMessage(message, wParam, lParam);
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam));
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefaultMessage(message, wParam, lParam);
      InvalidateRect(Handle(), nullptr, TRUE);
      return result;
    }
    case WM_GETFONT:  // as the system's controls answer: the font the caption is drawn in
      return reinterpret_cast<LRESULT>(CaptionFont());
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}

HFONT Panel::CaptionFont() const { return font_ ? font_ : GuiFont(WindowDpi(Handle())); }

void Panel::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT area;
  GetClientRect(Handle(), &area);
  BrushHandle background(CreateSolidBrush(colour_));
  FillRect(dc, &area, background.Get());
  if (singleBorder_) {
    const DpiScale scale = ScaleOf(Handle());
    RECT border = area;
    for (int i = 0; i < scale(1); ++i, InflateRect(&border, -1, -1)) {
      FrameRect(dc, &border, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    InflateRect(&area, -scale(2), 0);
  }
  const std::string caption = Caption();
  if (!caption.empty()) {
    SelectedObject font(dc, CaptionFont());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fontColour_);
    const UINT align = alignment_ == Alignment::Centre ? DT_CENTER : DT_LEFT;
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
              align | DT_VCENTER | DT_SINGLELINE);
  }
  EndPaint(Handle(), &paint);
}
