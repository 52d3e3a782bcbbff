#include "output/paint_program.h"

#include <new>
#include <string>
#include <vector>

#include "common/work_files.h"
#include "output/paint_program_path.h"
#include "output/picture_files.h"
#include "output/user_work_folder.h"
#include "shell/file_system.h"
#include "ui/application.h"

namespace {

constexpr const char* StartFailedText = "エラー： 画像加工ソフト起動に失敗しました・・・";
// How long a start waits for the program to be ready for input.
constexpr DWORD StartWaitMs = 30000;

// Starts the program shown, with the file when there is one; false when it cannot be started.
bool Start(const std::string& program, const std::string& file) {
  // Quoted, so that names with blanks are taken whole rather than cut at their first blank.
  std::string commandLine = "\"" + program + "\"";
  if (!file.empty()) commandLine += " \"" + file + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  // As the system's program start does: on once the program waits for its first input.
  WaitForInputIdle(started.hProcess, StartWaitMs);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

}  // namespace

void PaintProgram::Bind(CommandTable& commands) { commands.Bind("MPAINT", [this] { MPAINTClick(); }); }

std::string PaintProgram::WritePictureFile() const {
  // Beside the other work files; where a standard user may not write there, in their own folder.
  for (const std::string& folder : {workspace_.programFolder, UserWorkFolder()}) {
    if (folder.empty()) continue;
    const std::string file = folder + PaintPictureFile;
    try {
      if (WriteBmpFile(workspace_.picture.Working(), file)) return file;
    } catch (const std::bad_alloc&) {
      break;
    }
  }
  return {};
}

void PaintProgram::MPAINTClick() {
  HourglassGuard hourglass;
  const bool hasPicture = workspace_.picture.HasWorkingPicture();
  std::string file;
  if (hasPicture) {
    workspace_.picture.Working().PutOnClipboard(window_.Window().Handle());
    file = WritePictureFile();
  }
  const std::vector<std::string> candidates = PaintProgramCandidates(workspace_.windowsFolder);
  std::string program = candidates.back();
  for (const std::string& candidate : candidates) {
    if (FileExists(candidate)) {
      program = candidate;
      break;
    }
  }
  if (const auto folder = PaintProgramFolder(program)) SetCurrentDirectoryA(folder->c_str());
  if (!Start(program, file) && hasPicture) window_.ShowMsg(StartFailedText);
}
