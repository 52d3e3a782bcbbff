#include "dialogs/dialog_form.h"

#include "dialogs/color_btn.h"
#include "ui/application.h"
#include "ui/dpi.h"

namespace {

bool IsClass(HWND window, const char* className) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, className) == 0;
}

bool IsEdit(HWND control) { return IsClass(control, "Edit"); }

// The focused combo box (or the edit inside one) shows its list.
bool DroppedListFocused() {
  for (HWND window = GetFocus(); window; window = GetParent(window)) {
    if (IsClass(window, "ComboBox")) return SendMessageA(window, CB_GETDROPPEDSTATE, 0, 0) != FALSE;
  }
  return false;
}
}  // namespace

DialogForm::DialogForm() : colour_(GetSysColor(COLOR_BTNFACE)), fontColour_(GetSysColor(COLOR_BTNTEXT)) {}

bool DialogForm::CreateDialogWindow(const char* className, Size client, DWORD style, DWORD exStyle, HWND owner) {
  RegisterWindowClass(className);
  const Bounds over = owner ? WindowView(owner).GetBounds() : Bounds{};
  if (!CreateWindowOfClass(className, "", style, exStyle, {over.left, over.top, client.width, client.height}, owner)) {
    return false;
  }
  const Size frame = FrameSizeFor(ScaleOf(Handle())(client));
  SetBounds({over.left, over.top, frame.width, frame.height});
  return true;
}

void DialogForm::MakeFormFont(const char* face, int designHeight) {
  fontFace_ = face;
  fontHeight_ = designHeight;
  font_ = MakeFont(face, designHeight, WindowDpi(Handle()));
}

void DialogForm::DpiChanged(int oldDpi, int newDpi) {
  Form::DpiChanged(oldDpi, newDpi);
  if (!fontFace_) return;
  const FontHandle old = std::move(font_);
  font_ = MakeFont(fontFace_, fontHeight_, newDpi);
  ReplaceFont(old.Get(), font_.Get());
}

void DialogForm::SetStandardColor(bool standard) {
  standardColor_ = standard;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DialogForm::TakeMainWindowColours() {
  // A main window that is not one of ours (or none) leaves the colours as they are.
  const Form* main = Form::FromHandle(Application::MainWindow());
  if (!main || main == this) return;
  if (main->Colour() == colour_ && main->FontColour() == fontColour_) return;
  colour_ = main->Colour();
  fontColour_ = main->FontColour();
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DialogForm::FormShow() { SetForegroundWindow(Handle()); }


bool DialogForm::HandleDialogKey(const MSG& message) {
  // While a list is dropped, Enter and Escape close it, not the window.
  if (DroppedListFocused()) return false;
  return TColorBtn::HandleDialogKey(Handle(), message);
}

LRESULT DialogForm::ControlColours(HDC dc, bool field) const {
  const COLORREF background = field && standardColor_ ? GetSysColor(COLOR_WINDOW) : colour_;
  SetBkColor(dc, background);
  SetTextColor(dc, field && standardColor_ ? GetSysColor(COLOR_WINDOWTEXT) : fontColour_);
  SetDCBrushColor(dc, background);
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

LRESULT DialogForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT area;
      GetClientRect(Handle(), &area);
      BrushHandle background(CreateSolidBrush(colour_));
      FillRect(reinterpret_cast<HDC>(wParam), &area, background.Get());
      return 1;
    }
    case WM_PAINT:  // FormPaint
      TakeMainWindowColours();
      return DefaultMessage(message, wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return ControlColours(reinterpret_cast<HDC>(wParam), true);
    case WM_CTLCOLORSTATIC:  // a read-only edit asks as a static does
      return ControlColours(reinterpret_cast<HDC>(wParam), IsEdit(reinterpret_cast<HWND>(lParam)));
    case WM_CLOSE:
      EndModal(ClosedResult);
      return 0;
    // As a dialog box does, the window hands the keyboard on to a control instead of keeping it.
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        focus_.Remember(Handle());
      } else if (!HIWORD(wParam) && focus_.Restore(Handle(), FirstFocus())) {  // not while minimised
        return 0;
      }
      return DefaultMessage(message, wParam, lParam);
    case WM_SETFOCUS:
      if (focus_.Restore(Handle(), FirstFocus())) return 0;
      return DefaultMessage(message, wParam, lParam);
    default:
      return DefaultMessage(message, wParam, lParam);
  }
}
