// Stands in for a window that drops in the browser component in folder mode, as the installer's
// 参照 does: browser_host.exe <start folder> <result file>. It runs the component once and writes
// the result and the chosen folder to the result file, one a line; the exit code is the result.
#include <windows.h>

#include <fstream>
#include <string>

#include "browser/dir2open_dlg.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc != 3) return 100;
  Application::SetTitle("ブラウザー試験");
  TDIR2OPENDLG browser;
  browser.Title = "登録先";
  browser.Directory = __argv[1];
  const int result = browser.SelectFolder();
  std::ofstream(__argv[2], std::ios::binary) << result << "\n" << browser.Directory << "\n";
  return result;
}
