#pragma once
#include <string>

#include "ui/win32.h"

// The browser component (DIR2OPENDLG1): set the properties, call Execute, read Directory and
// Filename back.
class TDIR2OPENDLG {
 public:
  std::string Directory;   // in: preferred start folder; out: the chosen folder
  std::string Filename;    // in: its folder is the first start choice, its name the proposal; out: the chosen name
  std::string InitialDir;  // third start choice
  std::string Title;       // empty: the application title
  std::string Filter = "ALL files|*.*";
  std::string DefaultExt;
  bool StandardColor = true;
  HWND SourceHandle = nullptr;  // null: the main window

  // 1 (設定), 3 (中止) or 2 (closed); Directory and Filename take the browser's result whatever it is.
  int Execute(bool folderMode, bool overwriteQuestion, const std::string& captionSuffix);
  // Folder mode without the overwrite question.
  int SelectFolder(const std::string& captionSuffix = std::string()) { return Execute(true, false, captionSuffix); }
};
