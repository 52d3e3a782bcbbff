#include "ui/form.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/child_control.h"
#include "ui/failure_log.h"
#include "ui/timer.h"

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
  SendMessageA(window_, WM_SETICON, ICON_BIG, icon(GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)));
  SendMessageA(window_, WM_SETICON, ICON_SMALL, icon(GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)));
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
