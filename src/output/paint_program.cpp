#include "output/paint_program.h"

#include <string>

#include "output/paint_program_path.h"
#include "setup/file_system.h"
#include "ui/application.h"

namespace {

constexpr const char* StartFailedText = "エラー： 画像加工ソフト起動に失敗しました・・・";
constexpr const char* PaintWindowClass = "MSPaintApp";
constexpr LPARAM AltHeld = 0x20000000;

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
  // Quoted, so a name with blanks is taken whole rather than cut at its first blank.
  const std::string commandLine = "\"" + program + "\"";
  const UINT started = WinExec(commandLine.c_str(), SW_SHOW);
  if (!hasPicture) return;
  if (started < 32) {
    window_.ShowMsg(StartFailedText);
    return;
  }
  Timer_PAINT0.SetEnabled(true);
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
  // The answer is for the paint program's question; our own windows get no stray key.
  const HWND foreground = GetForegroundWindow();
  DWORD process = 0;
  if (foreground) GetWindowThreadProcessId(foreground, &process);
  if (process != GetCurrentProcessId()) PostKey(KeyTarget(foreground), WM_KEYDOWN, 'Y', 0);
}
