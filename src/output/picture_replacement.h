#pragma once
#include <functional>
#include <string>

#include "ui/picture.h"
#include "workspace/main_window_services.h"
#include "workspace/workspace.h"

// The size bar's prefix after a picture came from the clipboard, a memory or the wallpaper.
inline constexpr const char* BmpLoadSizePrefix = "ＢＭＰロードサイズ ";
inline constexpr const char* PictureLoadFailedText = "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・";

// How a new picture becomes the working and the base picture.
struct PictureReplacement {
  const char* sizePrefix = BmpLoadSizePrefix;
  // Shown when no readable picture came.
  const char* unreadableText = PictureLoadFailedText;
  // Shown when a step after the picture came fails; the new picture is shown anyway.
  const char* laterFailureText = "";
  // Given the screen's own format, and then our BMP stream's plain one, before it is kept.
  bool screenFormat = false;
  bool stream = false;
};

// Fills the picture it is given; false when no picture came.
using PictureSource = std::function<bool(Picture& into)>;

// Hides the window and reads the new picture beside the working picture, which takes it only
// once it proved readable: a damaged file must not cost the edits made since. Without one, both
// pictures, the size bar and the menus stay as they were, the window comes back and the user is
// told; false then. Otherwise the picture becomes the base picture too and is shown with its
// size, and the window comes back through the re-show sequence.
bool ReplaceWorkingPicture(Workspace& workspace, MainWindowServices& window, const PictureSource& read,
                           const PictureReplacement& how);

// The same with a BMP, JPEG or PNG file, a PNG's transparent pixels over the clear colour.
bool ReplacePictureFromFile(Workspace& workspace, MainWindowServices& window, const std::string& fileName,
                            const PictureReplacement& how);
// A BMP, JPEG or PNG file into `into`, as ReplacePictureFromFile reads it.
bool ReadPictureInto(const Workspace& workspace, const std::string& fileName, Picture& into);
