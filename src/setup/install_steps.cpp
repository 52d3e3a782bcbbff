// 設定 of the installer: folders, the program's files, the settings, the Program Manager group
// and the uninstall entry, in the order that leaves "Version" — the mark of a finished
// installation — for last.
#include <cstdint>
#include <vector>

#include "common/list_file.h"
#include "common/path_helpers.h"
#include "common/program_identity.h"
#include "setup/file_copy.h"
#include "setup/install_rules.h"
#include "setup/progman_commands.h"
#include "setup/program_group.h"
#include "setup/setup_texts.h"
#include "setup/setup_window.h"
#include "setup/shell_link.h"
#include "setup/shell_registry.h"
#include "setup/shortcut_paths.h"
#include "setup/uninstall_entry.h"
#include "setup/uninstall_entry_values.h"
#include "shell/file_system.h"
#include "shell/shell_folders.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {

// What the program's files take in the folder, for Windows' list of programs.
std::uint64_t InstalledBytes(const std::string& folder) {
  std::uint64_t total = 0;
  for (const std::string& name : ProgramFileNames()) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA((folder + name).c_str(), GetFileExInfoStandard, &data)) {
      total += (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  }
  return total;
}

std::string Absolute(const std::string& path) {
  char full[MAX_PATH * 2] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : path;
}

}  // namespace

void SetupWindow::ShowInstalling(bool running) {
  // The one coming shows before the other hides: the place is never empty.
  (running ? Button5 : Button3).Show();
  (running ? Button3 : Button5).Hide();
}

void SetupWindow::StopInstalling() {
  ShowInstalling(false);
  Redraw();
  ScreenCursor::SetBusy(false);
}

bool SetupWindow::MakeFolders(const std::string& folder) {
  // The question is asked once, at the first missing level.
  std::string question = RemoveTrailingSeparator(folder);
  for (const std::string& prefix : CumulativePaths(folder)) {
    std::string level = RemoveTrailingSeparator(Absolute(prefix));
    bool exists = FolderExists(level);
    if (!exists) {
      std::string resolved = level;
      if (ResolveDisplayPath(resolved, SystemShell())) {
        level = resolved;
        exists = true;
      }
    }
    if (exists && SetCurrentDirectoryA(AddTrailingSeparator(level).c_str())) continue;
    if (!question.empty()) {
      if (MKBoxDlg1.AskYesNoTimed(question + "\nフォルダーを作成します", IDYES) != IDYES) return false;
      question.clear();
    }
    CreateDirectoryA(level.c_str(), nullptr);
    if (!FolderExists(level)) {
      MKBoxDlg1.ShowMsg("[ " + level + " ]\nフォルダーの作成に失敗しました・・・");
      return false;
    }
  }
  return true;
}

bool SetupWindow::CopyProgramFiles(const std::string& targetFolder) {
  const std::string sourceFolder = ExecutableFolder();
  // Running from the target itself there is nothing to copy.
  if (SameFileName(sourceFolder, targetFolder)) return true;
  for (const std::string& name : ProgramFileNames()) {
    const std::string error = CopyFileKeepDate(sourceFolder + name, targetFolder + name);
    if (!error.empty()) {
      MKBoxDlg1.ShowMsg(name + "\n" + error + "\nファイルのコピーに失敗しました・・・");
      return false;
    }
  }
  return true;
}

bool SetupWindow::WriteValue(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
  const auto opened = RegistryKey::Create(root, key);
  if (opened && opened->WriteString(name, value)) return true;
  MKBoxDlg1.ShowMsg("'" + name + "' の設定に失敗しました");
  return false;
}

bool SetupWindow::RegisterInGroups(const std::string& group, const std::string& targetProgram) {
  Application::ProcessMessages();
  // Without a known programs folder Program Manager makes the group's folder itself.
  const std::string groupFolder = GroupFolder(ShellFolderPath("Programs"), group);
  if (!groupFolder.empty() && !FolderExists(groupFolder)) CreateDirectoryA(groupFolder.c_str(), nullptr);
  if (!RegisterInGroup(group, targetProgram)) return false;
  if (!CheckBoxST.Checked()) return true;
  const std::string startup = StartUpGroupName();
  if (startup.empty()) {
    // Current profiles name no start-up group: the shortcut goes into the user's start-up folder.
    const std::string folder = StartupFolder();
    if (folder.empty()) {
      MKBoxDlg1.ShowMsg(StartUpGroupFault(startup));
    } else if (!CreateShellLink(folder + ProgramTitle + ".lnk", targetProgram, ProgramTitle)) {
      MKBoxDlg1.ShowMsg(std::string(ProgramTitle) + "\nスタートアップへの登録に失敗しました・・・");
    }
    return true;
  }
  if (const std::string fault = StartUpGroupFault(startup); !fault.empty()) {
    MKBoxDlg1.ShowMsg(fault);
    return true;
  }
  return RegisterInGroup(startup, targetProgram);
}

bool SetupWindow::RegisterInGroup(const std::string& group, const std::string& targetProgram) {
  const std::string error = AddGroupItem(group, targetProgram);
  if (error.empty()) return true;
  MKBoxDlg1.ShowMsg(GroupCommandFailedText(group, error, "グループへの登録に失敗しました・・・"));
  return false;
}

void SetupWindow::Button3Click() {
  ShowInstalling(true);
  ScreenCursor::SetBusy(true);
  Application::ProcessMessages();
  const auto refuse = [this](const std::string& text) {
    ShowInstalling(false);
    MessageBeep(MB_ICONEXCLAMATION);
    MKBoxDlg1.ShowMsg(text);
    ScreenCursor::SetBusy(false);
  };
  // The group is checked before anything is made, copied or written, and again when it is read
  // for good: the box stays usable while the files are copied.
  const auto groupFault = [](const std::string& group) {
    return group.empty() ? std::string("グループ名を設定して下さい。") : GroupNameError(group);
  };
  if (const std::string fault = groupFault(ComboBox1.Text()); !fault.empty()) return refuse(fault);
  if (Edit1.Text().empty()) return refuse("フォルダーを設定して下さい。");

  const std::string folder = AddTrailingSeparator(Absolute(Edit1.Text()));
  if (!MakeFolders(folder)) return StopInstalling();
  const std::vector<std::string> levels = CumulativePaths(folder);
  const std::string target = levels.empty() ? std::string() : AddTrailingSeparator(levels.back());
  if (target.empty() || target == "\\") {
    MKBoxDlg1.ShowMsg("[ " + RemoveTrailingSeparator(target) + " ]\nデータが不正です");
    return StopInstalling();
  }
  if (!CopyProgramFiles(target)) return StopInstalling();

  Application::ProcessMessages();
  const std::string group = ComboBox1.Text();
  if (const std::string fault = groupFault(group); !fault.empty()) return refuse(fault);
  const std::string program = target + ProgramFileName;
  // From here on there is no stop of its own: a value that cannot be written ends the run with
  // "Version" unwritten and 設定 hidden, so only closing is left.
  if (!WriteValue(HKEY_CURRENT_USER, SettingsKeyPath, "EXEPATH", RemoveTrailingSeparator(target)) ||
      !WriteValue(HKEY_CURRENT_USER, SettingsKeyPath, "Group", group)) {
    return ScreenCursor::SetBusy(false);
  }
  // A group the item did not get into is no finished installation: 設定 comes back for
  // another group, and "Version" stays unwritten.
  if (!RegisterInGroups(group, program)) return StopInstalling();
  const UninstallEntryWritten entry = WriteUninstallEntry(program, InstalledBytes(target));
  if (!entry.root) {
    MKBoxDlg1.ShowMsg("'" + entry.failedValue + "' の設定に失敗しました");
    return ScreenCursor::SetBusy(false);
  }
  if (entry.staleEntry) MKBoxDlg1.ShowMsg(StaleEntryText(*entry.staleEntry));
  if (!WriteValue(HKEY_CURRENT_USER, SettingsKeyPath, "BackColor", CheckBoxBkColor.Checked() ? "1" : "0") ||
      !WriteValue(HKEY_CURRENT_USER, SettingsKeyPath, "QUILO_COLOR", QUILO_COLOR.Checked() ? "1" : "0") ||
      !WriteValue(HKEY_CURRENT_USER, SettingsKeyPath, "Version", std::to_string(ProgramVersion))) {
    return ScreenCursor::SetBusy(false);
  }
  Application::ProcessMessages();
  BringToTop();
  MKBoxDlg1.ShowMsg(InstallCompletedText(group));
  Redraw();
  ScreenCursor::SetBusy(false);
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}
