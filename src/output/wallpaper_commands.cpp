#include "output/wallpaper_commands.h"

#include <new>
#include <vector>

#include "common/work_files.h"
#include "output/picture_files.h"
#include "output/picture_replacement.h"
#include "output/user_work_folder.h"
#include "ui/application.h"
#include "ui/registry.h"

namespace {

constexpr const char* DesktopKey = "Control Panel\\Desktop";
constexpr const char* RefusedText = "壁紙張付に失敗しました・・・";

}  // namespace

void WallpaperCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MF_WALLPAPER0", [this] { MF_WALLPAPER0Click(); });
  commands.Bind("MKABE_SAVE", [this] { MKABE_SAVEClick(); });
  commands.Bind("KABE_NASHI", [this] { KABE_NASHIClick(); });
  commands.Bind("MKABE_LOAD", [this] { MKABE_LOADClick(); });
}

std::string WallpaperCommands::CurrentWallpaper() {
  const auto key = RegistryKey::Open(HKEY_CURRENT_USER, DesktopKey);
  return key ? key->ReadString("Wallpaper").value_or("") : "";
}

void WallpaperCommands::MF_WALLPAPER0Click() {
  const bool hasWallpaper = !CurrentWallpaper().empty();
  window_.Menu().SetEnabled("MKABE_LOAD", hasWallpaper);
  window_.Menu().SetEnabled("KABE_NASHI", hasWallpaper);
}

void WallpaperCommands::SetWallpaper(const std::string& fileName) {
  Application::ProcessMessages();
  std::vector<char> name(fileName.begin(), fileName.end());
  name.push_back('\0');
  if (!SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, name.data(), SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE)) {
    window_.ShowMsg(RefusedText);
  }
}

void WallpaperCommands::MKABE_SAVEClick() {
  Application::ProcessMessages();
  if (workspace_.LowColourScreen()) workspace_.picture.ScreenFormatRoundTrip();
  // The Windows folder as ever; Windows refuses it to a standard user, who may write in the
  // application data of their own, or else beside the program.
  for (const std::string& folder : {workspace_.windowsFolder, UserWorkFolder(), workspace_.programFolder}) {
    if (folder.empty()) continue;
    const std::string fileName = folder + WallpaperFile;
    bool written = false;
    try {
      written = WriteBmpFile(workspace_.picture.Working(), fileName);
    } catch (const std::bad_alloc&) {
      break;
    }
    if (written) return SetWallpaper(fileName);
  }
  window_.ShowMsg("壁紙セーブに失敗しました・・・");
}

void WallpaperCommands::KABE_NASHIClick() { SetWallpaper(""); }

void WallpaperCommands::MKABE_LOADClick() {
  Application::ProcessMessages();
  const std::string wallpaper = CurrentWallpaper();
  if (wallpaper.empty()) {
    window_.ShowMsg("壁紙名取得に失敗しました・・・");
    return;
  }
  ReplacePictureFromFile(workspace_, window_, wallpaper,
                         {.laterFailureText = "エラー：壁紙ロードに失敗しました・・・"});
}
