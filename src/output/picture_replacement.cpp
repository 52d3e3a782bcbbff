#include "output/picture_replacement.h"

#include <new>
#include <utility>

#include "output/picture_files.h"
#include "ui/application.h"
#include "workspace/current_clear_colour.h"

void ReportUnreadablePicture(MainWindowServices& window) {
  window.Window().Show();
  window.ShowMsg(PictureLoadFailedText);
  window.ApplyTopMost();
}

bool ReplacePictureFromFile(Workspace& workspace, MainWindowServices& window, const std::string& fileName,
                            const PictureReplacement& how) {
  window.HideForWork();
  WorkingPicture& pictures = workspace.picture;
  // Read beside the working picture, which takes it only once it proved readable: a damaged file
  // must not cost the edits made since the base picture was set.
  Picture loaded;
  bool readable = false;
  {
    HourglassGuard hourglass;
    try {
      const auto decoded = ReadPictureFile(fileName, CurrentClearPixel(workspace.settings));
      readable = decoded && loaded.Assign(*decoded) && WorkingPicture::CheckPictureReadable(loaded);
    } catch (const std::bad_alloc&) {
    }
  }
  if (!readable) {
    ReportUnreadablePicture(window);
    return false;
  }
  std::swap(pictures.Working(), loaded);
  window.RefreshPicture();
  bool done = !how.throughClipboard || pictures.ClipboardRoundTrip(window.Window().Handle());
  done = pictures.SetBaseFromWorking() && done;
  if (!done) window.ShowMsg(how.laterFailureText);
  window.ShowNewPicture(PictureSizeText(BmpLoadSizePrefix, pictures.Base()));
  return true;
}
