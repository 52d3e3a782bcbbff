#pragma once
#include <optional>
#include <string>

#include "ui/command_table.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// 壁紙 of the File menu: the working picture as the desktop's wallpaper (through a work file in
// the Windows folder), no wallpaper, and the current wallpaper loaded as the picture.
class WallpaperCommands {
 public:
  WallpaperCommands(Workspace& workspace, MainWindowServices& window) : workspace_(workspace), window_(window) {}

  void Bind(CommandTable& commands);

  void MF_WALLPAPER0Click();
  void MKABE_SAVEClick();
  void KABE_NASHIClick();
  void MKABE_LOADClick();

  // The desktop's "Wallpaper" value; empty when there is none.
  static std::string CurrentWallpaper();

 private:
  void SetWallpaper(const std::string& fileName);

  Workspace& workspace_;
  MainWindowServices& window_;
};
