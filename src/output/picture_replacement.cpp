#include "output/picture_replacement.h"

#include <new>
#include <utility>

#include "output/picture_files.h"
#include "ui/application.h"
#include "workspace/current_clear_colour.h"

bool ReadPictureInto(const Workspace& workspace, const std::string& fileName, Picture& into) {
  const auto decoded = ReadPictureFile(fileName, CurrentClearPixel(workspace.settings));
  return decoded && into.Assign(*decoded);
}

bool ReplaceWorkingPicture(Workspace& workspace, MainWindowServices& window, const PictureSource& read,
                           const PictureReplacement& how) {
  window.HideForWork();
  WorkingPicture& pictures = workspace.picture;
  Picture loaded;
  bool readable = false;
  {
    HourglassGuard hourglass;
    try {
      readable = read(loaded) && WorkingPicture::CheckPictureReadable(loaded);
    } catch (const std::bad_alloc&) {
    }
  }
  if (!readable) {
    window.Window().Show();
    window.ShowMsg(how.unreadableText);
    window.ApplyTopMost();
    // The cursor preview emptied with the hiding; the re-show sequence draws it again.
    window.StartReshow();
    return false;
  }
  std::swap(pictures.Working(), loaded);
  loaded.Clear();
  window.RefreshPicture();
  bool done = true;
  try {
    done = !how.screenFormat || pictures.ScreenFormatRoundTrip();
    done = (!how.stream || pictures.StreamRoundTrip()) && done;
    done = pictures.SetBaseFromWorking() && done;
  } catch (const std::bad_alloc&) {
    done = false;
  }
  if (!done) window.ShowMsg(how.laterFailureText);
  // The size of what is shown, also where the base picture could not follow.
  window.ShowNewPicture(PictureSizeText(how.sizePrefix, pictures.Working()));
  return true;
}

bool ReplacePictureFromFile(Workspace& workspace, MainWindowServices& window, const std::string& fileName,
                            const PictureReplacement& how) {
  return ReplaceWorkingPicture(
      workspace, window, [&](Picture& into) { return ReadPictureInto(workspace, fileName, into); }, how);
}
