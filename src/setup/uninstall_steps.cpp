// The uninstall ("/uninstall"): three questions, the removal of the group items, shortcuts, side
// files, work files and registry entries, then the helper copy made now in the Windows folder
// (or, where that is refused, the temporary folder), which deletes the program file once this
// process has ended.
#include <optional>
#include <string>
#include <vector>

#include "common/path_helpers.h"
#include "common/program_constants.h"
#include "output/user_work_folder.h"
#include "setup/handover_record.h"
#include "setup/helper_copy.h"
#include "setup/install_rules.h"
#include "setup/progman_commands.h"
#include "setup/program_group.h"
#include "setup/setup_texts.h"
#include "setup/setup_window.h"
#include "setup/shell_link.h"
#include "setup/shell_registry.h"
#include "setup/shortcut_paths.h"
#include "setup/uninstall_entry.h"
#include "setup/work_file_cleanup.h"
#include "setup/work_file_removal.h"
#include "shell/file_system.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {

constexpr const char* MakerKey = "Software\\QUILO SOFT32";

// The maker's key goes only when no program of ours keeps anything under it.
void DeleteMakerKeyWhenEmpty() {
  {
    const auto maker = RegistryKey::Open(HKEY_CURRENT_USER, MakerKey);
    if (!maker) return;
    DWORD subkeys = 0;
    DWORD values = 0;
    if (RegQueryInfoKeyA(maker->Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys != 0 || values != 0) {
      return;
    }
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, MakerKey);
}

}  // namespace

void SetupWindow::Timer1Timer() {
  Timer1.SetEnabled(false);
  const std::string question = UninstallDisplayName(ProgramTitle, ProgramVersion) + "\nを、アンインストールしてよろしいですか？？？";
  if (MKBoxDlg1.AskYesNoTimed(question, IDYES) != IDYES) return EndWithMessage("アンインストールを中止しました。");

  if (!RemoveUninstallEntry()) {
    MKBoxDlg1.ShowMsg("Windows のプログラム一覧から削除できませんでした・・・\n（管理者として実行すると削除できます）");
  }
  std::string group;
  if (const auto settings = RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath)) {
    group = settings->ReadString("Group").value_or("");
  }
  const ShortcutPaths shortcuts = BuildShortcutPaths(ShellFolderPath("Programs"), ShellFolderPath("Desktop"),
                                                     ShellFolderPath("Startup"), group, ProgramTitle);
  RemoveFromGroup(group, shortcuts.group);
  const std::string startupGroup = StartUpGroupName();
  RemoveFromGroup(startupGroup, shortcuts.startup);
  // Without a start-up group the installation put the shortcut into the start-up folder.
  if (const std::string folder = StartupFolder(); startupGroup.empty() && !folder.empty()) {
    DeleteFileA((folder + ProgramTitle + ".lnk").c_str());
  }
  Application::ProcessMessages();
  if (!shortcuts.desktop.empty()) DeleteFileA(shortcuts.desktop.c_str());

  // The program file itself is left to the helper.
  const std::string folder = ExecutableFolder();
  const std::vector<std::string> programFiles = ProgramFileNames();
  for (auto name = programFiles.begin() + 1; name != programFiles.end(); ++name) DeleteFileA((folder + *name).c_str());
  DeleteFileA((folder + ProgramBaseName + ".GID").c_str());  // the index the help viewer made

  const std::string workFolder = UserWorkFolderName();
  if (MKBoxDlg1.AskYesNoTimed(WorkFilesQuestion(workFolder), IDYES) == IDYES) RemoveWorkFiles(folder, workFolder);
  Application::ProcessMessages();

  if (const auto settings = RegistryKey::Create(HKEY_CURRENT_USER, SettingsKeyPath)) {
    settings->DeleteValue("Version");
    settings->DeleteValue("REC_TXT");
  }
  if (MKBoxDlg1.AskYesNoTimed("当ソフトのレジストリー情報も削除してよろしいですか？？", IDYES) == IDYES) {
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath);
    DeleteMakerKeyWhenEmpty();
  }

  const std::optional<HelperCopy> helper = PlaceHelperCopy();
  if (!helper) {
    return EndWithMessage("アンインストールエラー：アンインストールソフトのコピーに失敗しました・・・\n" + ExecutablePath() +
                          "\nは削除されません");
  }
  Application::ProcessMessages();
  if (WriteHandover()) StartHelper(helper->path);
  Redraw();
  // Ending frees the program file for the helper.
  PostMessageA(Handle(), WM_CLOSE, 0, 0);
}

void SetupWindow::RemoveFromGroup(const std::string& group, const std::string& shortcut) {
  if (group.empty()) return;
  // The uninstall goes on either way; the user learns what stays.
  if (const std::string fault = GroupNameError(group); !fault.empty()) {
    MKBoxDlg1.ShowMsg(fault + "\nグループからの削除を中止しました・・・");
    return;
  }
  const std::string error = DeleteGroupItem(group, GroupOpening::Show);
  // Program Manager also refuses to delete an item that is not there: only one left behind counts.
  if (!error.empty() && FileExists(shortcut)) {
    MKBoxDlg1.ShowMsg(GroupCommandFailedText(group, error, "グループからの削除に失敗しました・・・"));
  }
}

bool SetupWindow::WriteHandover() {
  const auto record = CreateHandoverRecord();
  if (!record || !record->WriteString("File", ExecutablePath())) {
    MKBoxDlg1.ShowMsg("アンインストールエラー：アンインストールソフトへの引き継ぎに失敗しました・・・\n" + ExecutablePath() +
                      "\nは削除されません");
    return false;
  }
  record->WriteString("Title", versionCaption_ + " 削除");
  record->WriteString("RmDir", "");
  record->WriteString("Color", ColourRecordText(colour_));
  record->WriteString("FColor", ColourRecordText(fontColour_));
  return true;
}

void SetupWindow::StartHelper(const std::string& helperPath) {
  const char* failure = nullptr;
  if (!SetCurrentDirectoryA(ParentPath(helperPath).c_str())) {
    failure = "2アンインストールエラー：アンインストールソフトの起動に失敗しました";
  } else {
    Application::ProcessMessages();
    if (WinExec(HelperCommandLine(helperPath, ExecutablePath()).c_str(), SW_SHOW) < 32) {
      failure = "1アンインストールエラー：アンインストールソフトの起動に失敗しました";
    }
  }
  if (!failure) return;
  MKBoxDlg1.ShowMsg(failure);
  DeleteHandoverRecord();
}
