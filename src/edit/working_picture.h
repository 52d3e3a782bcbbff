#pragma once
#include <array>
#include <string>

#include "edit/scale_size.h"
#include "edit/transform.h"
#include "ui/picture.h"
#include "ui/scroll_box.h"

// What the picture commands need from the main window.
struct PictureHost {
  virtual ~PictureHost() = default;
  // Commands that replace the picture hide the window and let the re-show sequence bring it back.
  virtual void HideMainWindow() = 0;
  virtual void StartReshow() = 0;  // arms Timer_Visible
  virtual void EmptyCursorPreview() = 0;  // empties Image_Icon; the re-show sequence renders it again
  // The size display: LabelWidth's caption = text, EditSize's width = the label's width + 10,
  // EditSize's text = text.
  virtual void ShowSizeText(const std::string& text) = 0;
  // The window's message-box component (MKBoxDlg1).
  virtual int ShowMsgTimed(const std::string& text, int timeoutAnswer) = 0;
  // ScrollBox1, which shows the working picture (Image1).
  virtual ScrollBox& PictureBox() = 0;
};

// The working picture, the base picture that 画面を元に戻す goes back to, the scratch bitmaps and
// the screen depth, with the picture operations the commands share and the commands of the
// confirm, restore, rotate and scale entries.
class WorkingPicture {
 public:
  explicit WorkingPicture(PictureHost& host) : host_(host) {}
  WorkingPicture(const WorkingPicture&) = delete;
  WorkingPicture& operator=(const WorkingPicture&) = delete;

  // Bits per pixel of the screen, read by the window at start-up. Until then (0) the picture
  // never goes through the clipboard, which would overwrite what the user put there.
  void SetScreenDepth(int bitsPerPixel) { screenDepth_ = bitsPerPixel; }
  bool LowColourScreen() const { return screenDepth_ > 0 && screenDepth_ <= 8; }

  // Shows the working picture in the host's scroll box; call once the box exists.
  void Attach() { host_.PictureBox().SetPicture(&working_); }

  Picture& Working() { return working_; }
  const Picture& Base() const { return base_; }
  // Scratch bitmaps for intermediate pictures; whoever uses one empties it afterwards.
  Picture& Scratch(std::size_t index) { return scratch_.at(index); }

  // Captures, loads and confirm: the working picture becomes the base picture too.
  bool SetBaseFromWorking() { return base_.CopyFrom(working_); }
  // Draws Image1 again after the working picture changed.
  void RefreshPicture() { host_.PictureBox().Refresh(); }

  // Shared operations.
  bool ClipboardRoundTrip();
  bool StreamRoundTrip();
  bool CheckPictureReadable(Picture& picture);
  static bool CheckBitmapReadable(const Picture& picture);
  void ShowPictureSize(const std::string& prefix, const Picture& picture);
  void ResetPictureScroll() { host_.PictureBox().ResetScroll(); }
  // Rotates or mirrors `picture` in place; the cursor rotation uses it on the cursor images.
  bool Transform(Picture& picture, TransformKind kind);

  // Menu availability when 画面合成(&S) and 画面回転 (&K) open.
  bool CanRestore() const { return !base_.Empty(); }        // M_Clear
  bool HasWorkingPicture() const { return !working_.Empty(); }  // M_Real and the four rotations

  // Commands. Each returns false when it changed nothing.
  bool M_RealClick();
  void M_ClearClick();
  bool MK_MigiClick(TransformKind kind);
  bool MBMP_HEARFClick(ScaleKind kind);

 private:
  PictureHost& host_;
  Picture working_;
  Picture base_;
  std::array<Picture, 2> scratch_;
  int screenDepth_ = 0;
};
