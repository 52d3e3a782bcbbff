// The uninstall helper: the copy of the program in the Windows (or temporary) folder that the
// uninstall starts. It reads the hand-over record, waits until the uninstalled program has ended and
// its file can be deleted, removes the emptied folders and says so.
#include <string>
#include <vector>

#include "common/path_helpers.h"
#include "common/program_constants.h"
#include "setup/handover_record.h"
#include "setup/removal_at_restart.h"
#include "setup/setup_window.h"
#include "setup/uninstall_rules.h"
#include "shell/file_system.h"
#include "ui/application.h"
#include "ui/registry.h"

void SetupWindow::Timer2Timer() {
  Timer2.SetEnabled(false);
  ReadHandover();
  if (!programFile_.empty() && IsOurProgramFile(programFile_, ProgramFileName) && !arguments_.empty() &&
      arguments_.front() == "/DeleteFile") {
    if (FileExists(programFile_)) DeleteFileA(programFile_.c_str());
    Timer3.SetEnabled(true);
    return;
  }
  // Started by hand, or the record names no program file of ours: nothing is deleted.
  QUILO_COLOR.SetChecked(false);
  QUILO_COLORClick();
  SetCaption(UninstallHelperCaption());
  Application::SetTitle(UninstallHelperCaption());
  EndWithMessage("アンインストールエラー：パラメーターが不正です・・・\n[QUILO SOFT32]専用のアンインストールソフトです。");
}

void SetupWindow::ReadHandover() {
  std::string caption;
  {
    const std::vector<RegistryKey> records = OpenHandoverRecords();
    std::vector<std::string> files;
    for (const RegistryKey& record : records) files.push_back(record.ReadString("File").value_or(""));
    // The uninstall names the program file it leaves to this copy; another record is a stale one.
    const std::string* named = arguments_.size() > 1 ? &arguments_[1] : nullptr;
    if (const auto chosen = ChooseHandoverRecord(files, named)) {
      const RegistryKey& record = records[*chosen];
      programFile_ = files[*chosen];
      caption = record.ReadString("Title").value_or("");
      removeFolders_ = record.ReadString("RmDir").value_or("") != "n";
      // A colour that is no number leaves the rest as they are.
      if (const auto colour = ParseColourRecord(record.ReadString("Color").value_or(""))) {
        colour_ = *colour;
        if (const auto font = ParseColourRecord(record.ReadString("FColor").value_or(""))) fontColour_ = *font;
      }
    }
  }
  // The record is read once: a later start of the helper finds nothing to do.
  DeleteHandoverRecord();
  if (caption.empty()) caption = UninstallHelperCaption();
  SetCaption(caption);
  Application::SetTitle(caption);
}

void SetupWindow::Timer3Timer() {
  Timer3.SetEnabled(false);
  // Until the uninstalled program has ended its file stays locked: try again in a second. A file
  // that never goes (read-only, a denying permission) must not keep this hidden window, which
  // makes every later start of the program say it is running, for ever.
  if (FileExists(programFile_) && !DeleteFileA(programFile_.c_str())) {
    if (++deleteTries_ < HelperDeleteTries) {
      Timer3.SetEnabled(true);
      return;
    }
    RemoveAtRestartOrSignIn(ExecutablePath());
    return EndWithMessage("[ " + programFile_ + " ]\nファイルの削除に失敗しました・・・\n手動で削除して下さい。");
  }
  if (removeFolders_) RemoveProgramFolders();
  // The helper cannot delete itself while it runs; it goes when Windows next starts, or where only
  // the user's RunOnce takes it, when the user next signs in.
  RemoveAtRestartOrSignIn(ExecutablePath());
  EndWithMessage("削除が完了しました☆☆☆\nお疲れ様☆☆☆");
}

void SetupWindow::RemoveProgramFolders() {
  const std::string folder = ParentPath(programFile_);
  const std::vector<std::string> levels = CumulativePaths(AddTrailingSeparator(folder));
  if (levels.empty()) return;
  // No folder to be removed may be the current one.
  std::string lastTried = levels.front();
  SetCurrentDirectoryA(lastTried.c_str());
  for (const std::string& level : FoldersToRemove(folder)) {
    lastTried = level;
    // A folder that still holds anything stays, and so do all above it.
    if (!RemoveDirectoryA(level.c_str()) || PathExists(level)) break;
  }
  SetCurrentDirectoryA(lastTried.c_str());
}
