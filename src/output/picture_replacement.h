#pragma once
#include <string>

#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The size bar's prefix after a picture came from the clipboard, a memory or the wallpaper.
inline constexpr const char* BmpLoadSizePrefix = "ＢＭＰロードサイズ ";
inline constexpr const char* PictureLoadFailedText = "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・";

// A load that gave no readable picture: the window comes back and the user is told.
void ReportUnreadablePicture(MainWindowServices& window);

// How a file becomes the working and the base picture.
struct PictureReplacement {
  // Sent through the clipboard before it becomes the base picture.
  bool throughClipboard = false;
  // Shown when a step after the load fails; the new picture is shown anyway.
  const char* laterFailureText = "";
};

// Hides the window and loads `fileName` into the working picture. A file that gives no readable
// picture leaves both pictures as they were, shows the window and reports it; false then. Otherwise the picture becomes the base picture
// and is shown with its size, and the window comes back through the re-show sequence.
bool ReplacePictureFromFile(Workspace& workspace, MainWindowServices& window, const std::string& fileName,
                            const PictureReplacement& how);
