#include "browser/dir2open_dlg.h"

#include "browser/dir2view_form.h"
#include "browser/file_filter.h"
#include "browser/name_parts.h"
#include "msgbox/work_area_probe.h"
#include "shell/file_system.h"
#include "shell/shell_folders.h"
#include "ui/application.h"

namespace {

// The first usable start folder: a candidate that is set but gone gives way to its nearest
// existing folder before the next candidate is looked at.
std::string StartFolder(const std::vector<std::string>& candidates) {
  for (const std::string& candidate : candidates) {
    if (candidate.empty()) continue;
    const std::string folder = FolderExists(candidate) ? candidate : NearestExistingFolder(candidate, SystemShell(), WindowsFolder());
    if (FolderExists(folder)) return folder;
  }
  return ExecutableFolder();
}

}  // namespace

int TDIR2OPENDLG::Execute(bool folderMode, bool overwriteQuestion, const std::string& captionSuffix) {
  const std::string title = Title.empty() ? Application::Title() : Title;
  const std::string suffix = !captionSuffix.empty() ? captionSuffix : folderMode ? "フォルダーの選択" : "ファイルの選択";
  const NameParts file = SplitFileName(Filename);
  int result = DialogForm::ClosedResult;
  {
    TDIR2VIEWForm browser;
    if (!browser.Build(Application::MainWindow())) return result;
    PlaceDialog(browser.Handle(), SourceHandle);
    browser.SetFilters(ParseFilter(Filter));
    const std::string start = StartFolder({folderMode ? std::string() : file.folder, Directory, InitialDir});
    browser.FillDrives();
    if (!browser.GoToFolder(start)) browser.GoToFolder(ExecutableFolder());
    browser.SetFileNameText(file.name);
    browser.SetFileMode(!folderMode, overwriteQuestion, DefaultExt);
    browser.SetColours(StandardColor);
    browser.SetMessageBoxTitle(title);
    browser.SetCaption(title + suffix);
    if (HWND main = Application::MainWindow()) {
      SendMessageA(browser.Handle(), WM_SETICON, ICON_BIG, SendMessageA(main, WM_GETICON, ICON_BIG, 0));
    }
    result = browser.ShowModal();
    // Only 設定 gives a result; a cancelled browser leaves the caller's choice alone.
    if (result == TDIR2VIEWForm::Confirmed) {
      Filename = browser.ResultFileName();
      Directory = browser.ResultFolder();
    }
    browser.ClearFolderHistory();
    browser.Hide();
  }
  if (HWND main = Application::MainWindow()) InvalidateRect(main, nullptr, TRUE);
  return result;
}
