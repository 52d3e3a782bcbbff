#include "output/picture_replacement.h"

#include <new>

#include "output/picture_files.h"
#include "ui/application.h"

void ReportUnreadablePicture(Workspace& workspace, MainWindowServices& window) {
  workspace.picture.Working().Clear();
  window.RefreshPicture();
  window.Window().Show();
  window.ShowMsg(PictureLoadFailedText);
  window.ApplyTopMost();
}

bool ReplacePictureFromFile(Workspace& workspace, MainWindowServices& window, const std::string& fileName,
                            const PictureReplacement& how) {
  window.HideForWork();
  WorkingPicture& pictures = workspace.picture;
  Picture& working = pictures.Working();
  bool loaded = false;
  {
    HourglassGuard hourglass;
    try {
      const auto decoded = ReadPictureFile(fileName);
      loaded = decoded && working.Assign(*decoded);
    } catch (const std::bad_alloc&) {
    }
    loaded = loaded && WorkingPicture::CheckPictureReadable(working);
  }
  if (!loaded) {
    ReportUnreadablePicture(workspace, window);
    return false;
  }
  window.RefreshPicture();
  bool done = !how.throughClipboard || pictures.ClipboardRoundTrip(window.Window().Handle());
  done = pictures.SetBaseFromWorking() && done;
  if (!done) window.ShowMsg(how.laterFailureText);
  window.ShowNewPicture(PictureSizeText(BmpLoadSizePrefix, pictures.Base()));
  return true;
}
