#pragma once
#include <string>

#include "output/file_history.h"
#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// 連番で保存するＯＮ: every capture is also saved, without a dialog, as the next number of the
// series in the chosen folder (PIKTO0001.PNG), never over a file that is there; 連番保存の設定
// chooses folder, stem and format.
class SeriesSaving {
 public:
  SeriesSaving(Workspace& workspace, MainWindowServices& window, FileHistory& history)
      : workspace_(workspace), window_(window), history_(history) {}

  void Bind(CommandTable& commands);
  void ShowSettings();

  void MRENBANClick();
  void MRENBAN_SETClick();

  // A capture became the working picture; it is saved once the re-show sequence has filled its
  // gaps.
  void CaptureTaken() { captureWaiting_ = true; }
  // Timer_Clip's step after the capture fill: saves the capture taken, if the series is on, and
  // the size bar names the file ("連番保存 PIKTO0001.PNG　サイズ 200, 140"). A failure is told with
  // the file's name and changes nothing else.
  void SaveTakenCapture();

 private:
  enum class Result { Saved, SeriesFull, Failed };
  struct Outcome {
    Result result;
    std::string name;  // of the file written or tried, without the folder
  };
  // Writes the next number into `folder` (with its separator). A file that takes the chosen name
  // in the meantime is kept; the next number after it is tried.
  Outcome SaveNext(const std::string& folder) const;
  bool Write(const std::string& fileName) const;

  Workspace& workspace_;
  MainWindowServices& window_;
  FileHistory& history_;
  bool captureWaiting_ = false;
};
