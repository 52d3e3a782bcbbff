// BMP and JPEG files: saving, loading, the load progress and the File menu's save entries.
#include <cstdio>

#include "app/main_window.h"
#include "app/program_constants.h"
#include "output/picture_files.h"
#include "setup/path_helpers.h"
#include "ui/application.h"

namespace {

constexpr const char* LoadSizePrefix = "ＣＧロードサイズ ";
constexpr const char* LoadFailedText = "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・";
constexpr DWORD SaveOptions = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;

const FileDialogSetup BmpSaveSetup{"ＢＭＰセーブファイル作成", "ＢＭＰ files (*.BMP)|*.BMP|ALL files (*.*)|*.*",
                                   "BMP", "*.BMP", SaveOptions};
const FileDialogSetup JpegSaveSetup{"ＪＰＧセーブファイル作成",
                                    "ＪＰＥＧ files (*.JPG;*.JPEG)|*.JPG;*.JPEG|ALL files (*.*)|*.*", "JPG",
                                    "*.JPG;*.JPEG", SaveOptions};
const FileDialogSetup LoadSetup{"ＢＭＰ／ＪＰＧファイルの選択",
                                "ＢＭＰ／ＪＰＥＧ files (*.BMP;*.JPG;*.JPEG)|*.BMP;*.JPG;*.JPEG|"
                                "ＢＭＰ files (*.BMP)|*.BMP|ＪＰＥＧ files (*.JPG;*.JPEG)|*.JPG;*.JPEG|"
                                "ALL files (*.*)|*.*",
                                "", "*.BMP;*.JPG;*.JPEG", OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST,
                                ReadPictureFile};

}  // namespace

void MainWindow::MFile0Click() {
  for (const char* entry : {"MBMP_SAVE", "MJPG_SAVE"}) menu_.SetEnabled(entry, picture_.HasWorkingPicture());
}

// So that a top-most main window does not cover the file dialogs.
void MainWindow::LeaveTopMost() {
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void MainWindow::MBMP_SAVEClick() {
  LeaveTopMost();
  if (picture_.LowColourScreen()) picture_.ClipboardRoundTrip();
  if (!saveDialog1_.Configured()) saveDialog1_.Configure(BmpSaveSetup);
  if (saveDialog1_.Run(Handle(), RemoveTrailingSeparator(settings_.savePath)) == FileDialogResult::Chosen) {
    if (WriteBmpFile(picture_.Working(), saveDialog1_.FileName())) {
      settings_.savePath = saveDialog1_.Folder();
    } else {
      mkBoxDlg1_.ShowMsg("ＢＭＰセーブに失敗しました・・・");
    }
  }
  ApplyTopMost();
}

void MainWindow::MJPG_SAVEClick() {
  LeaveTopMost();
  if (picture_.LowColourScreen()) picture_.ClipboardRoundTrip();
  picture_.StreamRoundTrip();
  if (!saveDialog2_.Configured()) saveDialog2_.Configure(JpegSaveSetup);
  if (saveDialog2_.Run(Handle(), RemoveTrailingSeparator(settings_.jpgSavePath)) == FileDialogResult::Chosen) {
    HourglassGuard hourglass;
    if (WriteJpegFile(picture_.Working(), saveDialog2_.FileName(), settings_.jpgQuality, settings_.jpgInternet)) {
      settings_.jpgSavePath = saveDialog2_.Folder();
    } else {
      mkBoxDlg1_.ShowMsg("ＪＰEＧセーブに失敗しました・・・");
    }
  }
  ApplyTopMost();
}

void MainWindow::MJPG_INTERNETClick() {
  settings_.jpgInternet = !settings_.jpgInternet;
  menu_.SetChecked("MJPG_INTERNET", settings_.jpgInternet);
}

std::optional<std::string> MainWindow::ChooseFileToLoad() {
  if (!openPictureDialog1_.Configured()) openPictureDialog1_.Configure(LoadSetup);
  openPictureDialog1_.SetTitle(LoadSetup.title);
  switch (openPictureDialog1_.Run(Handle(), RemoveTrailingSeparator(settings_.loadPath))) {
    case FileDialogResult::Cancelled:
      MessageBeep(0xFFFFFFFF);
      return std::nullopt;
    case FileDialogResult::Failed:
      mkBoxDlg1_.ShowMsg("エラー： ＢＭＰデータではありません・・・");
      break;
    case FileDialogResult::Chosen:
      break;
  }
  return openPictureDialog1_.FileName();
}

void MainWindow::MBMP_LOADClick(bool fromMenu) {
  LeaveTopMost();
  std::string fileName = pendingLoadName_;
  if (fromMenu) {
    const auto chosen = ChooseFileToLoad();
    if (!chosen) {
      ApplyTopMost();
      return;
    }
    fileName = *chosen;
  }
  if (fileName.empty()) {
    mkBoxDlg1_.ShowMsg("エラー：ファイル名がありません・・・");
    ApplyTopMost();
    return;
  }

  Hide();
  EmptyCursorPreview();
  if (!LoadIntoWorkingPicture(fileName)) {
    // The base picture stays, so 画面を元に戻す still brings back what was there.
    picture_.Working().Clear();
    picture_.RefreshPicture();
    Show();
    mkBoxDlg1_.ShowMsg(LoadFailedText);
    ApplyTopMost();
    return;
  }

  // Into the screen's format through the clipboard (where the picture then stays) and our own
  // stream; the base picture is taken even when a step of that failed.
  bool normalised = picture_.ClipboardRoundTrip();
  normalised = picture_.StreamRoundTrip() && normalised;
  normalised = picture_.SetBaseFromWorking() && normalised;
  if (!normalised) {
    mkBoxDlg1_.ShowMsg("エラー： ＢＭＰ／ＪＰＧセットに失敗しました・・・");
  }
  picture_.ShowPictureSize(LoadSizePrefix, picture_.Base());
  picture_.ResetPictureScroll();
  if (fromMenu) settings_.loadPath = openPictureDialog1_.Folder();
  timerVisible_.SetEnabled(true);
}

bool MainWindow::LoadIntoWorkingPicture(const std::string& fileName) {
  HourglassGuard hourglass;
  Image1Progress(ProgressStage::Running, 0);
  const auto decoded = ReadPictureFile(fileName);  // read and decoded in one go
  Image1Progress(ProgressStage::Running, 50);
  const bool assigned = decoded && picture_.Working().Assign(*decoded);
  Image1Progress(ProgressStage::Running, 100);
  Image1Progress(ProgressStage::Ending, 100);
  return assigned && picture_.CheckPictureReadable(picture_.Working());
}

// The caption shows how far a load has come and goes back to the title afterwards.
void MainWindow::Image1Progress(ProgressStage stage, int percent) {
  if (stage == ProgressStage::Ending) {
    SetTitle();
    return;
  }
  char text[16];
  std::snprintf(text, sizeof text, "%d%%", percent);
  SetCaption(text);
  UpdateWindow(Handle());
}
