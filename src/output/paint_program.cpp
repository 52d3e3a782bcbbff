#include "output/paint_program.h"

#include <string>

#include "output/paint_program_path.h"
#include "setup/file_system.h"
#include "ui/application.h"

namespace {

constexpr const char* StartFailedText = "エラー： 画像加工ソフト起動に失敗しました・・・";
constexpr const char* PaintWindowClass = "MSPaintApp";
constexpr LPARAM AltHeld = 0x20000000;
// How long a start waits for the program to be ready for input.
constexpr DWORD StartWaitMs = 30000;

// The topmost child of `window`, which takes the keys; null when there is none.
HWND KeyTarget(HWND window) { return window ? GetTopWindow(window) : nullptr; }

void PostKey(HWND target, UINT message, WPARAM key, LPARAM flags) {
  if (!target) return;
  PostMessageA(target, message, key, flags);
  Application::ProcessMessages();
}

}  // namespace

PaintProgram::PaintProgram(Workspace& workspace, MainWindowServices& window)
    : workspace_(workspace),
      window_(window),
      Timer_PAINT0(window.Window(), 1000, [this] { Timer_PAINT0Timer(); }),
      Timer_PAINT(window.Window(), 500, [this] { Timer_PAINTTimer(); }) {}

void PaintProgram::Bind(CommandTable& commands) { commands.Bind("MPAINT", [this] { MPAINTClick(); }); }

void PaintProgram::MPAINTClick() {
  HourglassGuard hourglass;
  const bool hasPicture = workspace_.picture.HasWorkingPicture();
  if (hasPicture) workspace_.picture.Working().PutOnClipboard(window_.Window().Handle());
  const std::vector<std::string> candidates = PaintProgramCandidates(workspace_.windowsFolder);
  std::string program = candidates.back();
  for (const std::string& candidate : candidates) {
    if (FileExists(candidate)) {
      program = candidate;
      break;
    }
  }
  if (const auto folder = PaintProgramFolder(program)) SetCurrentDirectoryA(folder->c_str());
  const bool started = Start(program);
  if (!hasPicture) return;
  if (!started) {
    window_.ShowMsg(StartFailedText);
    return;
  }
  Timer_PAINT0.SetEnabled(true);
}

bool PaintProgram::Start(const std::string& program) {
  // Quoted, so a name with blanks is taken whole rather than cut at its first blank.
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION started{};
  paintProcess_ = KernelHandle();
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  const KernelHandle thread(started.hThread);
  // Held until the next start, so that its id stays the paint program's and no other's.
  paintProcess_ = KernelHandle(started.hProcess);
  // As WinExec waits: until the program is ready for input, so that its window is there to paste.
  WaitForInputIdle(started.hProcess, StartWaitMs);
  return true;
}

void PaintProgram::Timer_PAINT0Timer() {
  Timer_PAINT0.SetEnabled(false);
  Application::ProcessMessages();
  const HWND target = KeyTarget(FindWindowA(PaintWindowClass, nullptr));
  PostKey(target, WM_SYSKEYDOWN, 'E', AltHeld);
  PostKey(target, WM_KEYDOWN, 'P', 0);
  Timer_PAINT.SetEnabled(true);
}

void PaintProgram::Timer_PAINTTimer() {
  Timer_PAINT.SetEnabled(false);
  Application::ProcessMessages();
  // The answer is for the paint program's question: no other program, ours included, gets a
  // stray key when something else is in front.
  const HWND foreground = GetForegroundWindow();
  DWORD process = 0;
  if (foreground) GetWindowThreadProcessId(foreground, &process);
  if (paintProcess_ && process == GetProcessId(paintProcess_.Get())) PostKey(KeyTarget(foreground), WM_KEYDOWN, 'Y', 0);
}
