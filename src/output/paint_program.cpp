#include "output/paint_program.h"

#include <optional>
#include <string>

#include "output/paint_program_path.h"
#include "shell/file_system.h"
#include "ui/application.h"
#include "ui/handles.h"
#include "ui/registry.h"

namespace {

constexpr const char* StartFailedText = "エラー： 画像加工ソフト起動に失敗しました・・・";
// Where the system registers the paint program's full path, machine-wide and for the user.
constexpr const char* RegisteredPathKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\mspaint.exe";
// How long a start waits for the program to be ready for input.
constexpr DWORD StartWaitMs = 30000;

// The paint program by its full path: one of the fixed places, else the path the system
// registered for it; nothing when neither names an existing file.
std::optional<std::string> FindPaintProgram(const std::string& windowsFolder) {
  for (const std::string& candidate : PaintProgramCandidates(windowsFolder)) {
    if (FileExists(candidate)) return candidate;
  }
  for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    const auto key = RegistryKey::Open(root, RegisteredPathKey);
    const auto value = key ? key->ReadExpandedString("") : std::nullopt;
    const auto program = value ? RegisteredProgramPath(*value) : std::nullopt;
    if (program && FileExists(*program)) return program;
  }
  return std::nullopt;
}

// As the system's program start does: on once the program waits for its first input.
void WaitUntilReady(const KernelHandle& process) { WaitForInputIdle(process.Get(), StartWaitMs); }

// Starts the program named by its full path, with the file when there is one; false when it
// cannot be started. The name is given as the program to run, so nothing is searched for.
bool Start(const std::string& program, const std::string& file) {
  // Quoted, so that names with blanks are taken whole rather than cut at their first blank.
  std::string commandLine = "\"" + program + "\"";
  if (!file.empty()) commandLine += " \"" + file + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &started)) {
    return false;
  }
  const KernelHandle thread(started.hThread);
  WaitUntilReady(KernelHandle(started.hProcess));
  return true;
}

// Opens the file in the program the system registered for editing pictures of its type.
bool EditThroughShell(HWND owner, const std::string& file) {
  SHELLEXECUTEINFOA edit{};
  edit.cbSize = sizeof edit;
  // No box of the system's: a failure gets the program's own message.
  edit.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  edit.hwnd = owner;
  edit.lpVerb = "edit";
  edit.lpFile = file.c_str();
  edit.nShow = SW_SHOW;
  if (!ShellExecuteExA(&edit)) return false;
  if (edit.hProcess) WaitUntilReady(KernelHandle(edit.hProcess));
  return true;
}

}  // namespace

void PaintProgram::Bind(CommandTable& commands) { commands.Bind("MPAINT", [this] { MPAINTClick(); }); }

void PaintProgram::MPAINTClick() {
  HourglassGuard hourglass;
  const bool hasPicture = workspace_.picture.HasWorkingPicture();
  std::string file;
  if (hasPicture) {
    workspace_.picture.Working().PutOnClipboard(window_.Window().Handle());
    file = handOvers_.Write(workspace_.picture.Working());
  }
  bool started = false;
  if (const auto program = FindPaintProgram(workspace_.windowsFolder)) {
    if (const auto folder = PaintProgramFolder(*program)) SetCurrentDirectoryA(folder->c_str());
    started = Start(*program, file);
  } else if (!file.empty()) {
    started = EditThroughShell(window_.Window().Handle(), file);
  }
  if (!started && hasPicture) window_.ShowMsg(StartFailedText);
}
