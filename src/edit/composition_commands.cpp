#include "edit/composition_commands.h"

#include <algorithm>
#include <new>
#include <optional>

#include "common/path_helpers.h"
#include "edit/composition_corner.h"
#include "edit/draw_shape.h"
#include "edit/figure_mask.h"
#include "output/picture_dialog.h"
#include "output/picture_files.h"
#include "ui/application.h"
#include "workspace/current_clear_colour.h"
#include "workspace/main_menu.h"
#include "workspace/setting_captions.h"

namespace {

constexpr int WhiteVariant = 8;
constexpr UINT CompositionDelayMs = 500;
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr Pixel BlackPixel = 0;
constexpr Pixel WhitePixel = 0xFFFFFF;

constexpr const char* LoadTitle = "画面合成ＢＭＰ／ＪＰＧファイルの選択";

// `target` combined with `source` placed at `at`; whatever falls outside the target is clipped.
void Combine(Picture& target, const Picture& source, DWORD rop, Point at = {}) {
  {
    PictureDc to(target);
    PictureDc from(source);
    BitBlt(to.Get(), at.x, at.y, source.Width(), source.Height(), from.Get(), 0, 0, rop);
  }
  GdiFlush();
}

// The part of the picture that the second picture covers at `corner`; 64-bit, so that no edge
// wraps.
Bounds CoveredPart(Size picture, Size second, Point corner) {
  const long long left = std::clamp<long long>(corner.x, 0, picture.width);
  const long long top = std::clamp<long long>(corner.y, 0, picture.height);
  const long long right = std::clamp<long long>(static_cast<long long>(corner.x) + second.width, left, picture.width);
  const long long bottom = std::clamp<long long>(static_cast<long long>(corner.y) + second.height, top, picture.height);
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

void ReplaceWhiteByBlack(Picture& picture) {
  GdiFlush();
  Pixel* pixels = picture.Pixels();
  const std::size_t count = static_cast<std::size_t>(picture.Width()) * picture.Height();
  for (std::size_t i = 0; i < count; ++i) {
    if ((pixels[i] & 0xFFFFFF) == WhitePixel) pixels[i] = BlackPixel;
  }
}

// The fourth byte cleared, as a blit through a mask clears it; read only where it is clear already,
// as it mostly is, so the pass costs a read of the memory, not a write.
void ClearFourthBytes(Pixel* pixels, int count) {
  // Sixteen pixels at a time, ORed together, which the compiler does in a few vector steps.
  constexpr int Block = 16;
  int x = 0;
  for (; x + Block <= count; x += Block) {
    Pixel any = 0;
    for (int i = 0; i < Block; ++i) any |= pixels[x + i];
    if (any > WhitePixel) {
      for (int i = 0; i < Block; ++i) pixels[x + i] &= WhitePixel;
    }
  }
  for (; x < count; ++x) pixels[x] &= WhitePixel;
}

// The colours of `count` pixels, their fourth byte cleared.
void CopyColours(const Pixel* from, Pixel* to, int count) {
  constexpr int Block = 16;  // a fixed count the compiler turns into vector steps
  int x = 0;
  for (; x + Block <= count; x += Block) {
    for (int i = 0; i < Block; ++i) to[x + i] = from[x + i] & WhitePixel;
  }
  for (; x < count; ++x) to[x] = from[x] & WhitePixel;
}

// In one pass over the memory, what the blits of the figure variant leave: the picture ANDed with
// the outer mask (the figure black on white), ORed with the composite (the picture with the second
// picture copied over it at `corner`) ANDed with the inner mask, the outer one's complement.
// Inside the figure the second picture shows where it lies; the unused fourth byte ends cleared,
// as the masks clear it. Outside the `covered` part both give the picture, so only that part of
// the mask is read, eight pixels to a byte.
void ComposeThroughMask(Picture& working, const Picture& second, const FigureMask& outer, Point corner,
                        const Bounds& covered) {
  GdiFlush();
  const int width = working.Width();
  for (int y = 0; y < working.Height(); ++y) {
    Pixel* to = working.Row(y);
    if (y < covered.top || y >= covered.Bottom()) {
      ClearFourthBytes(to, width);
      continue;
    }
    ClearFourthBytes(to, covered.left);
    ClearFourthBytes(to + covered.Right(), width - covered.Right());
    const std::uint8_t* keep = outer.Row(y);
    const Pixel* from = second.Row(y - corner.y) + (covered.left - corner.x);
    Pixel* part = to + covered.left;
    // Runs of whole mask bytes of one kind, the common case away from the figure's edge, go as
    // long runs; only the bytes the edge passes through are taken bit by bit.
    int x = 0;
    while (x < covered.width) {
      const int at = covered.left + x;
      const std::uint8_t bits = keep[at / 8];
      int end = std::min(x + 8 - at % 8, covered.width);
      if (bits == 0xFF || bits == 0) {
        while (end < covered.width && keep[(covered.left + end) / 8] == bits) end = std::min(end + 8, covered.width);
        if (bits != 0) {
          ClearFourthBytes(part + x, end - x);
        } else {
          CopyColours(from + x, part + x, end - x);
        }
      } else {
        for (int i = x; i < end; ++i) {
          part[i] = (bits & (0x80 >> ((covered.left + i) % 8))) ? part[i] & WhitePixel : from[i] & WhitePixel;
        }
      }
      x = end;
    }
  }
}

// The scratch bitmaps are emptied however the composition ends.
class ScratchRelease {
 public:
  explicit ScratchRelease(WorkingPicture& pictures) : pictures_(pictures) {}
  ScratchRelease(const ScratchRelease&) = delete;
  ScratchRelease& operator=(const ScratchRelease&) = delete;
  ~ScratchRelease() {
    pictures_.Scratch(0).Clear();
    pictures_.Scratch(1).Clear();
  }

 private:
  WorkingPicture& pictures_;
};

}  // namespace

CompositionCommands::CompositionCommands(Workspace& workspace, MainWindowServices& window)
    : workspace_(workspace),
      window_(window),
      preview_([this](const std::string& fileName) {
        return ReadPictureFile(fileName, CurrentClearPixel(workspace_.settings));
      }),
      Timer_GOUSEI(window.Window(), CompositionDelayMs, [this] { Timer_GOUSEITimer(); }) {}

void CompositionCommands::Bind(CommandTable& commands) {
  commands.BindOpening("M_GOUSEI0", [this] { M_GOUSEI0Click(); });
  commands.Bind("M_GOUSEI", [this] { M_GOUSEIClick(); });
  commands.Bind("MBMP_KASANERU", [this] { MBMP_KASANERUClick(); });
  commands.Bind("MG_HOSEI", [this] { MG_HOSEIClick(); });
  commands.Bind("MG_HCLR", [this] { MG_HCLRClick(); });
  for (int index = 0; index < GouseiShapeCount; ++index) {
    commands.Bind(GouseiShapeEntries[index], [this, index] { MBMP_ALLClick(index); });
  }
}

void CompositionCommands::ShowSettings() {
  const MainSettings& s = workspace_.settings;
  MenuTree& menu = window_.Menu();
  CheckIndexEntry(menu, GouseiShapeEntries, s.gouseiShape);
  menu.SetCaption("MG_HOSEI", CentreCorrectionCaption(s.centre));
  menu.SetChecked("MG_HOSEI", s.hoseiOn);
}

void CompositionCommands::M_GOUSEI0Click() {
  window_.Menu().SetEnabled("M_GOUSEI", workspace_.picture.HasWorkingPicture() && !Image_KASANERU.Empty());
}

void CompositionCommands::MBMP_ALLClick(int index) {
  workspace_.settings.gouseiShape = index;
  CheckIndexEntry(window_.Menu(), GouseiShapeEntries, index);
  M_GOUSEIClick();
}

void CompositionCommands::MG_HOSEIClick() {
  bool& on = workspace_.settings.hoseiOn;
  on = !on;
  window_.Menu().SetChecked("MG_HOSEI", on);
  M_GOUSEIClick();
}

void CompositionCommands::MG_HCLRClick() {
  workspace_.settings.centre = {};
  window_.Menu().SetCaption("MG_HOSEI", CentreCorrectionCaption({}));
  M_GOUSEIClick();
}

void CompositionCommands::Timer_GOUSEITimer() {
  Timer_GOUSEI.SetEnabled(false);
  M_GOUSEIClick();
}

void CompositionCommands::M_GOUSEIClick() {
  if (!workspace_.picture.HasWorkingPicture() || Image_KASANERU.Empty()) return;
  MenuTree& menu = window_.Menu();
  menu.SetEnabled("M_GAMEN0", false);
  const bool fromBase = StartsFromBase();
  try {
    Compose();
  } catch (const std::bad_alloc&) {
    // Out of memory ends the composition like any other failure: the finish below still runs.
  }
  // Back at the base picture's size, as after 画面を元に戻す: the size bar says so and the picture
  // starts at its top-left again.
  if (fromBase) {
    window_.ShowPicture(PictureSizeText(PictureSizePrefix, workspace_.picture.Working()));
  } else {
    window_.RefreshPicture();
  }
  Application::ProcessMessages();
  menu.SetEnabled("M_GAMEN0", true);
  window_.HideForWork();
  window_.StartReshow();
}

bool CompositionCommands::StartsFromBase() const {
  return workspace_.settings.gouseiShape == WhiteVariant && workspace_.picture.CanRestore();
}

void CompositionCommands::Compose() {
  WorkingPicture& pictures = workspace_.picture;
  const MainSettings& s = workspace_.settings;
  const bool onWhite = s.gouseiShape == WhiteVariant;
  const bool restore = StartsFromBase();
  const Size size = (restore ? pictures.Base() : pictures.Working()).GetSize();

  // Every bitmap is made before the picture is touched: one that cannot be made leaves the
  // picture as it was.
  ScratchRelease release(pictures);
  Picture& composite = pictures.Scratch(1);
  Picture& whiteMask = pictures.Scratch(0);
  if (onWhite && (!whiteMask.Create(size) || !composite.Create(size))) return;

  if (restore) {
    pictures.Restore();
    if (pictures.Working().GetSize() != size) return;
  }
  const Point corner = SecondPictureCorner(size, Image_KASANERU.GetSize(), s.hoseiOn ? s.centre : Point{});
  if (onWhite) {
    if (workspace_.LowColourScreen()) pictures.ScreenFormatRoundTrip();
    ComposeOnWhite(corner, whiteMask, composite);
  } else {
    ComposeInFigure(corner);
  }
}

void CompositionCommands::ComposeOnWhite(Point corner, Picture& whiteMask, Picture& composite) {
  Picture& working = workspace_.picture.Working();
  Combine(whiteMask, working, SRCCOPY);
  ReplaceWhiteByBlack(working);
  Combine(composite, working, SRCCOPY);
  Combine(composite, Image_KASANERU, SRCCOPY, corner);
  // White where the picture was white, black elsewhere.
  Combine(whiteMask, working, SRCINVERT);
  Combine(composite, whiteMask, SRCAND);
  Combine(working, composite, SRCPAINT);
}

void CompositionCommands::ComposeInFigure(Point corner) {
  Picture& working = workspace_.picture.Working();
  // The outer mask, only where the second picture lies; the inner one (the figure white on black)
  // is its complement. The figure stays centred; only the second picture moves with the
  // correction.
  const Bounds covered = CoveredPart(working.GetSize(), Image_KASANERU.GetSize(), corner);
  FigureMask mask;
  if (covered.width > 0 && covered.height > 0) {
    if (!mask.Draw(working.GetSize(), workspace_.settings.gouseiShape, ShapeDivisor(workspace_.settings.sizeIndex),
                   covered)) {
      return;
    }
  }
  ComposeThroughMask(working, Image_KASANERU, mask, corner, covered);
}

void CompositionCommands::MBMP_KASANERUClick() {
  window_.LeaveTopMost();
  if (!OpenPictureDialog2.Configured()) {
    OpenPictureDialog2.Configure({LoadTitle, PictureDialogFilter, "", PictureDialogFileName,
                                  OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST, &preview_});
  }
  switch (OpenPictureDialog2.Run(window_.Window().Handle(), RemoveTrailingSeparator(workspace_.settings.priLoadPath))) {
    case FileDialogResult::Cancelled:
      MessageBeep(0xFFFFFFFF);
      window_.ApplyTopMost();
      return;
    case FileDialogResult::Failed:
      window_.ShowMsg("エラー： ＣＧデータではありません・・・");
      break;
    case FileDialogResult::Chosen:
      break;
  }
  const std::string fileName = OpenPictureDialog2.FileName();
  if (fileName.empty()) {
    window_.ShowMsg("エラー： ファイル名がありません");
    window_.ApplyTopMost();
    return;
  }
  LoadSecondPicture(fileName);
}

bool CompositionCommands::LoadSecondPicture(const std::string& fileName) {
  bool loaded = false;
  try {
    HourglassGuard hourglass;
    const std::optional<PixelBuffer> decoded = ReadPictureFile(fileName, CurrentClearPixel(workspace_.settings));
    // An unreadable file leaves no second picture.
    if (!decoded || !Image_KASANERU.Assign(*decoded)) Image_KASANERU.Clear();
    loaded = WorkingPicture::CheckPictureReadable(Image_KASANERU);
  } catch (const std::bad_alloc&) {
    Image_KASANERU.Clear();
  }
  if (!loaded) {
    window_.Window().Show();
    window_.ShowMsg("エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・");
    window_.ApplyTopMost();
    return false;
  }
  workspace_.settings.priLoadPath = AddTrailingSeparator(ParentPath(fileName));
  Application::ProcessMessages();
  window_.ApplyTopMost();
  if (workspace_.picture.HasWorkingPicture()) Timer_GOUSEI.SetEnabled(true);
  return true;
}
