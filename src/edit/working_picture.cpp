#include "edit/working_picture.h"

#include <utility>

#include "output/bmp_format.h"
#include "ui/application.h"

namespace {
constexpr const char* PictureSizePrefix = "ＣＧサイズ ";
constexpr const char* BitmapSizePrefix = "ＢＭＰサイズ ";
constexpr const char* ConfirmedText = "確定しました。\n現在の画面が、元の画面となります☆☆☆";
}  // namespace

bool WorkingPicture::ClipboardRoundTrip() {
  // Through the clipboard the picture takes the screen's own format (its palette on low-colour
  // screens), and stays there for other programs.
  HWND owner = host_.PictureBox().Handle();
  return working_.PutOnClipboard(owner) && working_.TakeFromClipboard(owner);
}

bool WorkingPicture::StreamRoundTrip() {
  const auto file = EncodeBmp(working_.ToPixelBuffer());
  if (!file) return false;
  const BmpDecoded decoded = DecodeBmp(*file);
  if (decoded.error != BmpError::None || !decoded.complete || !working_.Assign(decoded.picture)) return false;
  RefreshPicture();
  return true;
}

bool WorkingPicture::CheckBitmapReadable(const Picture& picture) {
  return EncodeBmp(picture.ToPixelBuffer()).has_value();
}

bool WorkingPicture::CheckPictureReadable(Picture& picture) {
  Application::ProcessMessages();
  if (&picture == &working_) RefreshPicture();
  if (!CheckBitmapReadable(picture)) picture.Clear();
  return !picture.Empty();
}

void WorkingPicture::ShowPictureSize(const std::string& prefix, const Picture& picture) {
  host_.ShowSizeText(prefix + std::to_string(picture.Width()) + ", " + std::to_string(picture.Height()));
}

bool WorkingPicture::Transform(Picture& picture, TransformKind kind) {
  Picture& turned = scratch_[0];
  GdiFlush();
  const bool done = turned.Create(TransformedSize(picture.GetSize(), kind)) &&
                    TransformPixels(picture.Pixels(), picture.Width(), picture.Height(), turned.Pixels(), kind);
  if (done) std::swap(picture, turned);
  turned.Clear();
  return done;
}

bool WorkingPicture::M_RealClick() {
  if (LowColourScreen()) ClipboardRoundTrip();
  // Out of memory: no confirmation is claimed for a base picture that did not change.
  if (!SetBaseFromWorking()) return false;
  host_.ShowMsgTimed(ConfirmedText, 1);
  return true;
}

void WorkingPicture::M_ClearClick() {
  host_.HideMainWindow();
  host_.EmptyCursorPreview();
  working_.CopyFrom(base_);
  RefreshPicture();
  ShowPictureSize(PictureSizePrefix, working_);
  ResetPictureScroll();
  host_.StartReshow();
}

bool WorkingPicture::MK_MigiClick(TransformKind kind) {
  if (LowColourScreen()) {
    ClipboardRoundTrip();
    RefreshPicture();
  }
  HourglassGuard hourglass;
  StreamRoundTrip();
  // A failed transform leaves both pictures, and the window, as they were.
  if (!Transform(working_, kind)) return false;
  host_.HideMainWindow();
  host_.EmptyCursorPreview();
  SetBaseFromWorking();
  RefreshPicture();
  ShowPictureSize(BitmapSizePrefix, base_);
  ResetPictureScroll();
  host_.StartReshow();
  return true;
}

bool WorkingPicture::MBMP_HEARFClick(ScaleKind kind) {
  // Refused (empty picture, or a doubling too large to hold): the picture stays as it is.
  const auto size = ScaledSize(working_.GetSize(), kind);
  Picture& scaled = scratch_[0];
  if (!size || !scaled.StretchFrom(working_, *size)) return false;
  std::swap(working_, scaled);
  scaled.Clear();
  scratch_[1].Clear();
  RefreshPicture();
  ShowPictureSize(PictureSizePrefix, working_);
  ResetPictureScroll();
  return true;
}
