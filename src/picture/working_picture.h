#pragma once
#include <array>
#include <string>

#include "picture/scale_size.h"
#include "picture/transform.h"
#include "ui/picture.h"

// The working picture (Image1), the base picture that 画面を元に戻す goes back to, and the
// scratch bitmaps, with the operations the picture commands share. Data and operations only:
// every operation reports its outcome, and showing the result is the caller's business.
class WorkingPicture {
 public:
  WorkingPicture() = default;
  WorkingPicture(const WorkingPicture&) = delete;
  WorkingPicture& operator=(const WorkingPicture&) = delete;

  Picture& Working() { return working_; }
  const Picture& Working() const { return working_; }
  const Picture& Base() const { return base_; }
  // Scratch bitmaps for intermediate pictures; whoever uses one empties it afterwards.
  Picture& Scratch(std::size_t index) { return scratch_.at(index); }

  // Captures, loads, confirm and rotations: the working picture becomes the base picture too.
  bool SetBaseFromWorking() { return base_.CopyFrom(working_); }

  // The picture takes the screen's own format (its palette on low-colour screens), in memory:
  // the clipboard is the user's and is left as it is.
  bool ScreenFormatRoundTrip() { return working_.TakeScreenFormat(); }
  // Through our own BMP stream, which gives every picture the same plain format.
  bool StreamRoundTrip();
  static bool CheckBitmapReadable(const Picture& picture);
  // Empties a picture that cannot be written as a bitmap; true when it is readable.
  static bool CheckPictureReadable(Picture& picture);
  // Rotates or mirrors `picture` in place; the cursor rotation uses it on the cursor images.
  bool Transform(Picture& picture, TransformKind kind);

  bool CanRestore() const { return !base_.Empty(); }
  bool HasWorkingPicture() const { return !working_.Empty(); }

  // The working picture goes back to the base picture.
  void Restore() { working_.CopyFrom(base_); }
  // Turns the working picture and takes it as the base picture; false (nothing changed) when
  // the turn cannot be made.
  bool Turn(TransformKind kind);
  // Doubles or halves the working picture; the base picture stays. False when refused (empty
  // picture, a result too large to load back) or out of memory: the picture stays then.
  bool Scale(ScaleKind kind);

 private:
  Picture working_;
  Picture base_;
  std::array<Picture, 2> scratch_;
};

// The size bar's prefix for the working picture after a restore or a scaling.
inline constexpr const char* PictureSizePrefix = "ＣＧサイズ ";

// "<prefix>W, H", as the size bar shows a picture's size.
std::string PictureSizeText(const std::string& prefix, const Picture& picture);
