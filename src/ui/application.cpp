#include "ui/application.h"

#include "ui/child_control.h"
#include "ui/form.h"

namespace {
std::string title;
HWND mainWindow = nullptr;
bool showHints = true;
int hintPause = 500;
bool busyCursor = false;
}  // namespace

namespace Application {

void SetTitle(const std::string& text) { title = text; }
const std::string& Title() { return title; }

void SetMainWindow(HWND window) { mainWindow = window; }
HWND MainWindow() { return mainWindow; }

void SetShowHints(bool on) { showHints = on; }
bool ShowHints() { return showHints; }
void SetHintPause(int milliseconds) { hintPause = milliseconds; }
int HintPause() { return hintPause; }

void Dispatch(const MSG& message) {
  if ((message.message == WM_KEYDOWN || message.message == WM_RBUTTONDOWN) && ChildControl::ReflectInput(message)) {
    return;
  }
  if (message.message == WM_KEYDOWN || message.message == WM_CHAR || message.message == WM_SYSCHAR) {
    if (Form* form = Form::FromHandle(GetAncestor(message.hwnd, GA_ROOT)); form && form->HandleDialogKey(message)) {
      return;
    }
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void ProcessMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Dispatch(message);
  }
}

int Run() {
  MSG message{};
  // The run also ends once the main window is gone: a nested loop of the system's (the DDE
  // layer waiting for Program Manager) may have taken the quit request away.
  while (mainWindow == nullptr || IsWindow(mainWindow)) {
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) return static_cast<int>(message.wParam);
    Dispatch(message);
  }
  return 0;
}

}  // namespace Application

namespace ScreenCursor {

void SetBusy(bool busy) {
  busyCursor = busy;
  SetCursor(LoadCursor(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool Busy() { return busyCursor; }

bool Apply() {
  if (!busyCursor) return false;
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  return true;
}

}  // namespace ScreenCursor
