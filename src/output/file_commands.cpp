#include "output/file_commands.h"

#include <cstdio>
#include <new>

#include "common/path_helpers.h"
#include "output/clipboard_commands.h"
#include "output/picture_dialog.h"
#include "output/picture_files.h"
#include "output/picture_replacement.h"
#include "output/save_format.h"
#include "ui/application.h"
#include "workspace/current_clear_colour.h"
#include "workspace/setting_captions.h"

namespace {

constexpr const char* LoadSizePrefix = "ＣＧロードサイズ ";
constexpr DWORD SaveOptions = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
// Everything that puts the working picture somewhere: enabled exactly while there is one.
constexpr const char* SaveEntries[] = {"MCLIP_SAVE",  "MBMP_SAVE", "MJPG_SAVE", "MBMP_M1SAVE",
                                       "MBMP_M2SAVE", "M_Print1",  "M_Print4",  "MKABE_SAVE"};

const FileDialogSetup BmpSaveSetup{"ＢＭＰセーブファイル作成", BmpSaveFilter, "BMP", "*.BMP", SaveOptions};
const FileDialogSetup JpegSaveSetup{"ＪＰＧセーブファイル作成",
                                    "ＪＰＥＧ files (*.JPG;*.JPEG)|*.JPG;*.JPEG|ALL files (*.*)|*.*", "JPG",
                                    "*.JPG;*.JPEG", SaveOptions};
constexpr const char* LoadTitle = "ＢＭＰ／ＪＰＧファイルの選択";

// A save that runs out of memory is a failed save like any other.
template <typename Write>
bool Saved(Write write) {
  try {
    return write();
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace

FileCommands::FileCommands(Workspace& workspace, MainWindowServices& window)
    : workspace_(workspace),
      window_(window),
      preview_([this](const std::string& fileName) {
        return ReadPictureFile(fileName, CurrentClearPixel(workspace_.settings));
      }) {}

void FileCommands::Bind(CommandTable& commands) {
  commands.BindOpening("MFile0", [this] { MFile0Click(); });
  commands.Bind("MBMP_LOAD", [this] { MBMP_LOADClick(true); });
  commands.Bind("MBMP_SAVE", [this] { MBMP_SAVEClick(); });
  commands.Bind("MJPG_SAVE", [this] { MJPG_SAVEClick(); });
  commands.Bind("MJPG_INTERNET", [this] { MJPG_INTERNETClick(); });
}

void FileCommands::ShowSettings() {
  window_.Menu().SetChecked("MJPG_INTERNET", workspace_.settings.jpgInternet);
  window_.Menu().SetCaption("MJPG_COMP", JpegQualityCaption(workspace_.settings.jpgQuality));
}

void FileCommands::MFile0Click() {
  MenuTree& menu = window_.Menu();
  menu.SetEnabled("M_GAMEN0", true);
  menu.SetEnabled(SaveEntries, workspace_.picture.HasWorkingPicture());
  menu.SetEnabled("MCLIP_LOAD", ClipboardCommands::ClipboardHoldsPicture());
}

void FileCommands::MBMP_SAVEClick() {
  TopMostSuspension topMost(window_);
  MainSettings& s = workspace_.settings;
  if (workspace_.LowColourScreen()) workspace_.picture.ScreenFormatRoundTrip();
  if (!SaveDialog1.Configured()) SaveDialog1.Configure(BmpSaveSetup);
  if (SaveDialog1.Run(window_.Window().Handle(), RemoveTrailingSeparator(s.savePath)) != FileDialogResult::Chosen) {
    return;
  }
  const std::string& fileName = SaveDialog1.FileName();
  const bool png = SaveFormatOf(fileName, SaveDialog1.FilterIndex()) == SaveFormat::Png;
  HourglassGuard hourglass;
  if (Saved([&] {
        const Picture& working = workspace_.picture.Working();
        return png ? WritePngFile(working, fileName) : WriteBmpFile(working, fileName);
      })) {
    s.savePath = SaveDialog1.Folder();
  } else {
    window_.ShowMsg("ＢＭＰセーブに失敗しました・・・");
  }
}

void FileCommands::MJPG_SAVEClick() {
  TopMostSuspension topMost(window_);
  MainSettings& s = workspace_.settings;
  if (workspace_.LowColourScreen()) workspace_.picture.ScreenFormatRoundTrip();
  workspace_.picture.StreamRoundTrip();
  window_.RefreshPicture();
  if (!SaveDialog2.Configured()) SaveDialog2.Configure(JpegSaveSetup);
  if (SaveDialog2.Run(window_.Window().Handle(), RemoveTrailingSeparator(s.jpgSavePath)) !=
      FileDialogResult::Chosen) {
    return;
  }
  HourglassGuard hourglass;
  if (Saved([&] {
        return WriteJpegFile(workspace_.picture.Working(), SaveDialog2.FileName(), s.jpgQuality, s.jpgInternet);
      })) {
    s.jpgSavePath = SaveDialog2.Folder();
  } else {
    window_.ShowMsg("ＪＰEＧセーブに失敗しました・・・");
  }
}

void FileCommands::MJPG_INTERNETClick() {
  bool& on = workspace_.settings.jpgInternet;
  on = !on;
  window_.Menu().SetChecked("MJPG_INTERNET", on);
}

std::optional<std::string> FileCommands::ChooseFileToLoad() {
  if (!OpenPictureDialog1.Configured()) {
    OpenPictureDialog1.Configure({LoadTitle, PictureDialogFilter, "", PictureDialogFileName,
                                  OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, &preview_});
  }
  OpenPictureDialog1.SetTitle(LoadTitle);
  const std::string folder = RemoveTrailingSeparator(workspace_.settings.loadPath);
  switch (OpenPictureDialog1.Run(window_.Window().Handle(), folder)) {
    case FileDialogResult::Cancelled:
      MessageBeep(0xFFFFFFFF);
      return std::nullopt;
    case FileDialogResult::Failed:
      window_.ShowMsg("エラー： ＢＭＰデータではありません・・・");
      break;
    case FileDialogResult::Chosen:
      break;
  }
  return OpenPictureDialog1.FileName();
}

void FileCommands::LoadFile(const std::string& fileName) {
  pendingLoadName_ = fileName;
  MBMP_LOADClick(false);
}

void FileCommands::MBMP_LOADClick(bool fromMenu) {
  window_.LeaveTopMost();
  std::string fileName = pendingLoadName_;
  if (fromMenu) {
    const auto chosen = ChooseFileToLoad();
    if (!chosen) {
      window_.ApplyTopMost();
      return;
    }
    fileName = *chosen;
  }
  if (fileName.empty()) {
    window_.ShowMsg("エラー：ファイル名がありません・・・");
    window_.ApplyTopMost();
    return;
  }

  // The picture is normalised in memory (the screen's format, then our own stream); the
  // clipboard stays the user's.
  const bool loaded = ReplaceWorkingPicture(
      workspace_, window_, [&](Picture& into) { return ReadWithProgress(fileName, into); },
      {.sizePrefix = LoadSizePrefix,
       .laterFailureText = "エラー： ＢＭＰ／ＪＰＧセットに失敗しました・・・",
       .screenFormat = true,
       .stream = true});
  if (!loaded || !fromMenu) return;
  workspace_.settings.loadPath = OpenPictureDialog1.Folder();
  if (onLoadedFromMenu) onLoadedFromMenu(fileName);
}

bool FileCommands::ReadWithProgress(const std::string& fileName, Picture& into) {
  Image1Progress(ProgressStage::Running, 0);
  const bool read = ReadPictureInto(workspace_, fileName, into);  // in one go
  Image1Progress(ProgressStage::Running, 100);
  Image1Progress(ProgressStage::Ending, 100);
  Application::ProcessMessages();
  return read;
}

// The caption shows how far a load has come and goes back to the title afterwards.
void FileCommands::Image1Progress(ProgressStage stage, int percent) {
  const Form& form = window_.Window();
  if (stage == ProgressStage::Ending) {
    form.SetCaption(Application::Title());
    return;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%d%%", percent);
  form.SetCaption(text);
  UpdateWindow(form.Handle());
}
