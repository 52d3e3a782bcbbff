#pragma once
#include <functional>
#include <optional>
#include <string>

#include "output/file_preview.h"
#include "ui/command_table.h"
#include "ui/file_dialog.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// BMP, PNG and JPEG files: saving the working picture, loading a picture into it with the load
// progress in the caption, and the File menu's save entries.
class FileCommands {
 public:
  FileCommands(Workspace& workspace, MainWindowServices& window);

  void Bind(CommandTable& commands);
  void ShowSettings();

  void MFile0Click();
  void MBMP_SAVEClick();
  void MJPG_SAVEClick();
  void MJPG_INTERNETClick();
  // From the menu entry a dialog chooses the file; otherwise the pending load name names it.
  void MBMP_LOADClick(bool fromMenu);
  // Loads `fileName` as the file history and the restore button do.
  void LoadFile(const std::string& fileName);

  // After a load from the menu, with the file's name.
  std::function<void(const std::string&)> onLoadedFromMenu;

 private:
  std::optional<std::string> ChooseFileToLoad();
  // Reads the file into `into` with the load's progress in the caption.
  bool ReadWithProgress(const std::string& fileName, Picture& into);
  enum class ProgressStage { Running, Ending };
  void Image1Progress(ProgressStage stage, int percent);

  Workspace& workspace_;
  MainWindowServices& window_;
  FilePreview preview_;  // before the dialog that points to it
  FileDialog SaveDialog1{FileDialog::Kind::Save};         // BMP save
  FileDialog SaveDialog2{FileDialog::Kind::Save};         // JPEG save
  FileDialog OpenPictureDialog1{FileDialog::Kind::Open};  // picture load
  std::string pendingLoadName_;
};
