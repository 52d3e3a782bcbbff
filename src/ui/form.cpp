#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/child_control.h"
#include "ui/dpi.h"
#include "ui/failure_log.h"
#include "ui/system_function.h"
#include "ui/timer.h"

namespace {
bool IsClassOf(HWND window, const char* className) {
  char name[32] = {};
  return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, className) == 0;
}
}  // namespace

Form::~Form() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void Form::RegisterWindowClass(const char* className, HICON icon, UINT style) {
  WNDCLASSEXA existing{sizeof existing};
  if (GetClassInfoExA(GetModuleHandleA(nullptr), className, &existing)) return;
  WNDCLASSEXA windowClass{sizeof windowClass};
  windowClass.style = style;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = icon;
  windowClass.hIconSm = icon;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassExA(&windowClass);
}

void Form::SetProgramIcons() const {
  const HINSTANCE module = GetModuleHandleA(nullptr);
  const auto icon = [&](int width, int height) {
    return reinterpret_cast<LPARAM>(LoadImageA(module, MAKEINTRESOURCEA(1), IMAGE_ICON, width, height, LR_SHARED));
  };
  const int dpi = WindowDpi(window_);
  SendMessageA(window_, WM_SETICON, ICON_BIG, icon(SystemMetric(SM_CXICON, dpi), SystemMetric(SM_CYICON, dpi)));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, icon(SystemMetric(SM_CXSMICON, dpi), SystemMetric(SM_CYSMICON, dpi)));
}

Size Form::FrameSizeFor(Size client) const {
  using AdjustForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
  // Windows 10 1607 and later; before, the frame has the system's one scale.
  static AdjustForDpi* const adjustForDpi = SystemFunction<AdjustForDpi>("user32.dll", "AdjustWindowRectExForDpi");
  const auto style = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongA(window_, GWL_EXSTYLE));
  const BOOL menu = !(style & WS_CHILD) && GetMenu(window_) != nullptr;
  RECT frame{0, 0, client.width, client.height};
  if (adjustForDpi) {
    adjustForDpi(&frame, style, menu, exStyle, static_cast<UINT>(WindowDpi(window_)));
  } else {
    AdjustWindowRectEx(&frame, style, menu, exStyle);
  }
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void Form::ReplaceFont(HFONT old, HFONT replacement) const {
  for (HWND child : Descendants()) {
    if (reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0)) == old) {
      SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(replacement), TRUE);
    }
  }
}

void Form::DpiChanged(int oldDpi, int newDpi) {
  const auto at = [&](int value) { return Rescale(value, oldDpi, newDpi); };
  // Parents come before their own children: each is scaled in its parent's coordinates, which do
  // not change with the parent's size.
  for (HWND child : Descendants()) {
    // A combo box lays out its own edit and list.
    if (IsClassOf(GetParent(child), "ComboBox")) continue;
    Bounds b = WindowView(child).GetBounds();
    if (IsClassOf(child, "ComboBox")) {
      // Its height is the dropped-down one; its items have heights of their own.
      RECT dropped{};
      SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
      b.height = dropped.bottom - dropped.top;
      for (const WPARAM part : {static_cast<WPARAM>(-1), WPARAM{0}}) {
        const auto height = static_cast<int>(SendMessageA(child, CB_GETITEMHEIGHT, part, 0));
        if (height > 0) SendMessageA(child, CB_SETITEMHEIGHT, part, at(height));
      }
    }
    SetWindowPos(child, nullptr, at(b.left), at(b.top), at(b.Right()) - at(b.left), at(b.Bottom()) - at(b.top),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool Form::CreateWindowOfClass(const char* className, const std::string& caption, DWORD style, DWORD exStyle,
                               const Bounds& b, HWND parent, HMENU menu) {
  CreateWindowExA(exStyle, className, caption.c_str(), style, b.left, b.top, b.width, b.height, parent, menu,
                  GetModuleHandleA(nullptr), this);
  return window_ != nullptr;
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcA(window, message, wParam, lParam);
  // No exception crosses into the system's code: a failing handler is reported and ends as
  // the default.
  try {
    if (message == WM_TIMER) {
      form->DispatchTimer(wParam);
      return 0;
    }
    if (message == WM_SETCURSOR && ScreenCursor::Apply()) return TRUE;
    if (message == WM_DPICHANGED && !(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
      // Take the rectangle the system proposes for the new scale, then lay out in it.
      const int oldDpi = WindowDpi(window);
      const int newDpi = HIWORD(wParam);
      NoteWindowDpi(window, newDpi);
      const RECT& r = *reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
      if (oldDpi != newDpi) form->DpiChanged(oldDpi, newDpi);
      return 0;
    }
    // Posted, so that FormShow runs once the window is on the screen.
    static const UINT FormShowMessage = RegisterWindowMessageA("PIKTORAN_FORM_SHOW");
    if (message == WM_SHOWWINDOW && wParam && !form->shown_) {
      form->shown_ = true;
      PostMessageA(window, FormShowMessage, 0, 0);
    }
    if (message == FormShowMessage) {
      form->FormShow();
      return 0;
    }
    // A control's notification goes to the control's own handler, wherever the control sits.
    if (message == WM_COMMAND && lParam && ChildControl::Reflect(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
      return 0;
    }
    if (message == WM_DRAWITEM && ChildControl::ReflectDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
      return TRUE;
    }
    const LRESULT result = form->OnMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      ForgetWindowDpi(window);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      form->window_ = nullptr;
    }
    return result;
  } catch (...) {
    const std::exception_ptr failure = std::current_exception();
    // The top-level form answers for its controls.
    Form* root = FromHandle(GetAncestor(window, GA_ROOT));
    try {
      (root ? root : form)->OnFailure(failure);
    } catch (...) {
      LogFailure(std::current_exception(), "while reporting a failure");
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }
}

void Form::OnFailure(std::exception_ptr failure) { LogFailure(failure, "in a window handler"); }

LRESULT Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultMessage(message, wParam, lParam);
}

LRESULT Form::DefaultMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window_, message, wParam, lParam);
}

Form* Form::FromHandle(HWND window) {
  // The class's procedure, not the window's: hints subclass windows.
  if (!window || reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) != WindowProcedure) {
    return nullptr;
  }
  return reinterpret_cast<Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool Form::HandleDialogKey(const MSG&) { return false; }

int Form::ShowModal() {
  // Every other enabled window of the thread waits for the box.
  std::vector<HWND> disabled;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM list) -> BOOL {
        if (IsWindowEnabled(window) && IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&disabled));
  std::erase(disabled, window_);
  for (HWND window : disabled) EnableWindow(window, FALSE);

  modalResult_ = 0;
  modalRunning_ = true;
  Show();
  SetForegroundWindow(window_);
  MSG message;
  while (modalResult_ == 0 && window_) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));  // for the outer loop
      modalResult_ = 2;
      break;
    }
    Application::Dispatch(message);
  }
  modalRunning_ = false;
  for (HWND window : disabled) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
  return modalResult_;
}

void Form::DispatchTimer(UINT_PTR id) {
  const auto found = std::find_if(timers_.begin(), timers_.end(), [id](Timer* t) { return t->Id() == id; });
  if (found != timers_.end()) (*found)->Fire();
}
