#include "output/picture_replacement.h"

#include <new>

#include "output/picture_files.h"
#include "ui/application.h"

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
    if (!loaded) working.Clear();
    loaded = loaded && WorkingPicture::CheckPictureReadable(working);
  }
  window.RefreshPicture();
  if (!loaded) {
    window.Window().Show();
    window.ShowMsg(PictureLoadFailedText);
    window.ApplyTopMost();
    return false;
  }
  bool done = !how.throughClipboard || pictures.ClipboardRoundTrip(window.Window().Handle());
  done = pictures.SetBaseFromWorking() && done;
  if (!done) window.ShowMsg(how.laterFailureText);
  window.ShowNewPicture(PictureSizeText(BmpLoadSizePrefix, pictures.Base()));
  return true;
}
