#include "picture/working_picture.h"

#include <utility>

#include "common/decimal.h"
#include "formats/bmp_format.h"

bool WorkingPicture::StreamRoundTrip() {
  const auto file = EncodeBmp(working_.ToPixelBuffer());
  if (!file) return false;
  const BmpDecoded decoded = DecodeBmp(*file);
  return decoded.error == BmpError::None && decoded.complete && working_.Assign(decoded.picture);
}

bool WorkingPicture::CheckBitmapReadable(const Picture& picture) {
  return EncodeBmp(picture.ToPixelBuffer()).has_value();
}

bool WorkingPicture::CheckPictureReadable(Picture& picture) {
  if (!CheckBitmapReadable(picture)) picture.Clear();
  return !picture.Empty();
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

bool WorkingPicture::Turn(TransformKind kind) {
  if (!Transform(working_, kind)) return false;
  SetBaseFromWorking();
  return true;
}

bool WorkingPicture::Scale(ScaleKind kind) {
  const auto size = ScaledSize(working_.GetSize(), kind);
  Picture& scaled = scratch_[0];
  if (!size || !scaled.StretchFrom(working_, *size)) return false;
  std::swap(working_, scaled);
  scaled.Clear();
  scratch_[1].Clear();
  return true;
}

std::string PictureSizeText(const std::string& prefix, const Picture& picture) {
  return prefix + ToDecimal(picture.Width()) + ", " + ToDecimal(picture.Height());
}
