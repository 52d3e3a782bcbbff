#include "dialogs/color_btn.h"

#include <algorithm>
#include <vector>

#include "ui/dpi.h"
#include "ui/handles.h"

namespace {

COLORREF Darker(COLORREF colour) {
  auto lower = [](int channel) { return std::max(0, channel - 32); };
  return RGB(lower(GetRValue(colour)), lower(GetGValue(colour)), lower(GetBValue(colour)));
}

std::vector<TColorBtn*> ButtonsOf(HWND root) {
  std::vector<TColorBtn*> buttons;
  for (HWND child : WindowView(root).Descendants()) {
    if (TColorBtn* button = TColorBtn::FromHandle(child)) buttons.push_back(button);
  }
  return buttons;
}

}  // namespace

TColorBtn* TColorBtn::FromHandle(HWND window) { return dynamic_cast<TColorBtn*>(Form::FromHandle(window)); }

bool TColorBtn::Create(HWND parent, const Bounds& bounds, const std::string& caption) {
  RegisterWindowClass(ClassName);
  return CreateWindowOfClass(ClassName, caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, bounds,
                             parent);
}

void TColorBtn::Click() {
  if (OnClick) OnClick();
}

void TColorBtn::SetDefault(bool value) {
  default_ = value;
  if (Handle()) UpdateDefaults(GetAncestor(Handle(), GA_ROOT), GetFocus());
}

void TColorBtn::SetColour(COLORREF colour) {
  colour_ = colour;
  parentColour_ = false;
  Repaint();
}

void TColorBtn::SetFontColour(COLORREF colour) {
  fontColour_ = colour;
  parentFontColour_ = false;
  Repaint();
}

void TColorBtn::SetParentColour(bool on) {
  parentColour_ = on;
  Repaint();
}

COLORREF TColorBtn::NormalColour() const {
  if (parentColour_) {
    if (const Form* parent = Form::FromHandle(GetParent(Handle()))) return parent->Colour();
    return GetSysColor(COLOR_BTNFACE);
  }
  return colour_;
}

COLORREF TColorBtn::NormalFontColour() const {
  if (parentFontColour_) {
    if (const Form* parent = Form::FromHandle(GetParent(Handle()))) return parent->FontColour();
    return GetSysColor(COLOR_BTNTEXT);
  }
  return fontColour_;
}

COLORREF TColorBtn::FaceColour() const { return pressed_ ? pressedColour_ : NormalColour(); }
COLORREF TColorBtn::TextColour() const { return pressed_ ? pressedFontColour_ : NormalFontColour(); }

char TColorBtn::Accelerator() const {
  const std::string caption = Caption();
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    const char c = caption[i + 1];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return 0;
}

void TColorBtn::UpdateDefaults(HWND root, HWND focus) {
  TColorBtn* focused = FromHandle(focus);
  if (focused && GetAncestor(focused->Handle(), GA_ROOT) != root) focused = nullptr;
  for (TColorBtn* button : ButtonsOf(root)) {
    const bool showing = focused ? button == focused : button->default_;
    if (showing != button->showingDefault_) {
      button->showingDefault_ = showing;
      button->Repaint();
    }
  }
}

bool TColorBtn::HandleDialogKey(HWND root, const MSG& message) {
  const auto usable = [](TColorBtn* b) { return IsWindowEnabled(b->Handle()) && IsWindowVisible(b->Handle()); };
  const bool modifier = (GetKeyState(VK_SHIFT) | GetKeyState(VK_CONTROL) | GetKeyState(VK_MENU)) & 0x8000;
  if (message.message == WM_KEYDOWN && message.wParam == VK_TAB) {
    if (HWND next = GetNextDlgTabItem(root, GetFocus(), (GetKeyState(VK_SHIFT) & 0x8000) != 0)) SetFocus(next);
    return true;
  }
  if (message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE) && !modifier) {
    const bool enter = message.wParam == VK_RETURN;
    for (TColorBtn* button : ButtonsOf(root)) {
      if ((enter ? button->showingDefault_ : button->cancel_) && usable(button)) {
        button->Click();
        return true;
      }
    }
    return false;
  }
  if (message.message == WM_SYSCHAR || message.message == WM_CHAR) {
    // Plain characters belong to an editable field that has the focus.
    char className[16] = {};
    GetClassNameA(GetFocus(), className, sizeof className);
    if (message.message == WM_CHAR && lstrcmpiA(className, "Edit") == 0 &&
        !(GetWindowLongA(GetFocus(), GWL_STYLE) & ES_READONLY)) {
      return false;
    }
    char key = static_cast<char>(message.wParam);
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    for (TColorBtn* button : ButtonsOf(root)) {
      if (key != 0 && button->Accelerator() == key && usable(button)) {
        button->Click();
        return true;
      }
    }
  }
  return false;
}

void TColorBtn::PressLook(bool byMouse) {
  pressed_ = true;
  // The colours are taken when the press begins; a system colour is already resolved here.
  pressedColour_ = Darker(NormalColour());
  pressedFontColour_ = NormalFontColour() != RGB(0, 0, 0) ? RGB(0xDD, 0xDD, 0xDD) : RGB(0x33, 0x33, 0x33);
  if (byMouse && IsWindowEnabled(Handle()) && IsWindowVisible(Handle())) SetFocus(Handle());
  const Bounds b = GetBounds();
  const int sink = ScaleOf(Handle())(1);
  SetBounds({b.left + sink, b.top + sink, b.width, b.height});
  Repaint();
}

void TColorBtn::ReleaseLook() {
  pressed_ = false;
  const Bounds b = GetBounds();
  const int sink = ScaleOf(Handle())(1);
  SetBounds({b.left - sink, b.top - sink, b.width, b.height});
  Repaint();
}

void TColorBtn::Repaint() const {
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

HFONT TColorBtn::CaptionFont() const {
  if (font_) return font_;
  if (const Form* parent = Form::FromHandle(GetParent(Handle())); parent && parent->Font()) return parent->Font();
  return GuiFont(WindowDpi(Handle()));
}

void TColorBtn::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  RECT area;
  GetClientRect(Handle(), &area);
  BrushHandle face(CreateSolidBrush(FaceColour()));
  FillRect(dc, &area, face.Get());

  // Bevel: raised normally, lowered while pressed.
  const COLORREF light = pressed_ ? GetSysColor(COLOR_BTNSHADOW) : GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = pressed_ ? GetSysColor(COLOR_BTNHIGHLIGHT) : GetSysColor(COLOR_BTNSHADOW);
  const DpiScale scale = ScaleOf(Handle());
  RECT edge = area;
  for (int i = 0; i < scale(BevelWidth()); ++i) {
    BrushHandle lightBrush(CreateSolidBrush(light));
    BrushHandle darkBrush(CreateSolidBrush(dark));
    RECT top{edge.left, edge.top, edge.right, edge.top + 1};
    RECT left{edge.left, edge.top, edge.left + 1, edge.bottom};
    RECT bottom{edge.left, edge.bottom - 1, edge.right, edge.bottom};
    RECT right{edge.right - 1, edge.top, edge.right, edge.bottom};
    FillRect(dc, &top, lightBrush.Get());
    FillRect(dc, &left, lightBrush.Get());
    FillRect(dc, &bottom, darkBrush.Get());
    FillRect(dc, &right, darkBrush.Get());
    InflateRect(&edge, -1, -1);
  }

  const std::string caption = Caption();
  SelectedObject selected(dc, CaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, TextColour());
  RECT text = area;
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (GetFocus() == Handle()) {
    RECT focus = area;
    InflateRect(&focus, -scale(4), -scale(4));
    DrawFocusRect(dc, &focus);
  }
  EndPaint(Handle(), &paint);
}

LRESULT TColorBtn::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefaultMessage(message, wParam, lParam);
      Repaint();
      return result;
    }
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam));
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(CaptionFont());
    case WM_RBUTTONDOWN:
      if (OnRightDown) OnRightDown();
      return 0;
    case WM_LBUTTONDOWN:
      if (!pressed_) {
        tracking_ = true;
        leftWhilePressed_ = false;
        SetCapture(Handle());
        PressLook(true);
      }
      return 0;
    case WM_MOUSEMOVE:
      if (tracking_) {
        const int x = static_cast<short>(LOWORD(lParam));
        const int y = static_cast<short>(HIWORD(lParam));
        const Size size = ClientSize();
        const bool inside = x > 1 && y > 1 && x < size.width && y < size.height;
        if (pressed_ && !inside) {
          ReleaseLook();
          leftWhilePressed_ = true;
        } else if (!pressed_ && leftWhilePressed_ && inside) {
          PressLook(true);
          leftWhilePressed_ = false;
        }
      }
      return 0;
    case WM_LBUTTONUP:
      tracking_ = false;  // first: our own release of the capture is no loss of it
      if (GetCapture() == Handle()) ReleaseCapture();
      if (pressed_) {
        ReleaseLook();
        Click();
      }
      return 0;
    case WM_CAPTURECHANGED:
      // Another window took the mouse mid-press (a message box, a drag elsewhere): the press
      // ends without a click, and the button stands ready for the next one.
      if (tracking_) {
        tracking_ = false;
        leftWhilePressed_ = false;
        if (pressed_) ReleaseLook();
      }
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && !tracking_ && !pressed_) PressLook(false);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && !tracking_ && pressed_) {
        ReleaseLook();
        Click();
      }
      return 0;
    case BM_CLICK:  // lets other programs and tests press the button as a standard one
      Click();
      return 0;
    case WM_SETFOCUS:
      UpdateDefaults(GetAncestor(Handle(), GA_ROOT), Handle());
      Repaint();
      return 0;
    case WM_KILLFOCUS:
      UpdateDefaults(GetAncestor(Handle(), GA_ROOT), reinterpret_cast<HWND>(wParam));
      Repaint();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_BUTTON;
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
