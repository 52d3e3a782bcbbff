#pragma once
#include <string>
#include <vector>

#include "ui/win32.h"

// The input-box component (SNBoxDlg1): each call shows a modal TSNBox; the entered text and
// the history stay with the component for its next call.
class TSNBoxDlg {
 public:
  std::string Title;            // empty: the application title
  HWND SourceHandle = nullptr;  // null: the main window
  bool StandardColor = true;

  std::string EnteredText;               // proposed next time; the edit's final text after a call
  std::vector<std::string> HistoryList;  // newest first, no duplicates but for letter case

  // 1 (登録), 3 (中止) or 2 (closed); EnteredText holds the edit's text whatever the result.
  int Execute(const std::string& prompt);
};
