#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "clipboard_text.h"
#include "edit/picture_commands.h"
#include "fake_window.h"
#include "ui/scroll_box.h"
#include "workspace/main_menu.h"
#include "support/screenshot.h"
#include "ui/application.h"
#include "ui/form.h"

namespace {

// Every pixel different, so any misplaced pixel shows.
PixelBuffer Numbered(int width, int height) {
  PixelBuffer picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.At(x, y) = MakePixel(x * 20 + 1, y * 20 + 2, 0x5A);
  }
  return picture;
}

class WorkingPictureTest : public testing::Test {
 protected:
  void SetUp() override { host_.PictureBox().SetPicture(&pictures_.Working()); }

  // A capture or load: the picture becomes working and base picture.
  void Load(const PixelBuffer& picture) {
    ASSERT_TRUE(pictures_.Working().Assign(picture));
    ASSERT_TRUE(pictures_.SetBaseFromWorking());
  }
  PixelBuffer Working() { return pictures_.Working().ToPixelBuffer(); }
  PixelBuffer Base() const { return pictures_.Base().ToPixelBuffer(); }

  FakeWindow host_;
  Workspace workspace_;
  WorkingPicture& pictures_ = workspace_.picture;
  PictureCommands commands_{workspace_, host_};
};

TEST_F(WorkingPictureTest, RestoreAfterATransformGivesTheTransformedPicture) {
  Load(Numbered(3, 5));
  commands_.MK_MigiClick(TransformKind::RotateRight);
  const PixelBuffer turned = Working();
  pictures_.Working().Row(0)[0] = MakePixel(255, 255, 255);  // a stamp after the turn
  commands_.M_ClearClick();
  EXPECT_EQ(Working(), turned);

  // Left after right gives the picture back, and again that is what restore returns to.
  commands_.MK_MigiClick(TransformKind::RotateLeft);
  commands_.M_ClearClick();
  EXPECT_EQ(Working(), Numbered(3, 5));
}

TEST_F(WorkingPictureTest, RestoreAfterScalingGivesThePictureBeforeScaling) {
  Load(Numbered(5, 7));
  commands_.MBMP_HEARFClick(ScaleKind::Double);
  EXPECT_EQ(Base(), Numbered(5, 7));
  commands_.M_ClearClick();
  EXPECT_EQ(Working(), Numbered(5, 7));
}

TEST_F(WorkingPictureTest, ConfirmThenRestoreKeepsTheConfirmedPicture) {
  Load(Numbered(4, 3));
  pictures_.Working().Row(1)[2] = MakePixel(1, 2, 3);
  const PixelBuffer confirmed = Working();
  commands_.M_RealClick();
  EXPECT_EQ(host_.messages, std::vector<std::string>{"確定しました。\n現在の画面が、元の画面となります☆☆☆"});
  EXPECT_TRUE(host_.calls.empty()) << "confirm leaves the window shown";

  pictures_.Working().Row(0)[0] = MakePixel(9, 9, 9);
  commands_.M_ClearClick();
  EXPECT_EQ(Working(), confirmed);
}

TEST_F(WorkingPictureTest, RestoreAndRotationHideTheWindowAndShowTheNewSize) {
  Load(Numbered(3, 5));
  commands_.M_ClearClick();
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"hide", "reshow"}));
  EXPECT_EQ(host_.sizeText, "ＣＧサイズ 3, 5");

  host_.calls.clear();
  commands_.MK_MigiClick(TransformKind::RotateLeft);
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"hide", "reshow"}));
  EXPECT_EQ(host_.sizeText, "ＢＭＰサイズ 5, 3");
}

TEST_F(WorkingPictureTest, TransformsMovePixelsAsTheRotateMenuPromises) {
  constexpr int W = 3, H = 5;
  struct Case {
    TransformKind kind;
    Size size;
    std::function<Point(int, int)> destination;
  };
  const Case cases[] = {
      {TransformKind::RotateRight, {H, W}, [](int x, int y) { return Point{H - 1 - y, x}; }},
      {TransformKind::Rotate180, {W, H}, [](int x, int y) { return Point{W - 1 - x, H - 1 - y}; }},
      {TransformKind::RotateLeft, {H, W}, [](int x, int y) { return Point{y, W - 1 - x}; }},
      {TransformKind::Mirror, {W, H}, [](int x, int y) { return Point{W - 1 - x, y}; }},
  };
  const PixelBuffer source = Numbered(W, H);
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    Load(source);
    commands_.MK_MigiClick(c.kind);
    const PixelBuffer result = Working();
    ASSERT_EQ((Size{result.width, result.height}), c.size);
    for (int y = 0; y < H; ++y) {
      for (int x = 0; x < W; ++x) {
        const Point to = c.destination(x, y);
        EXPECT_EQ(result.At(to.x, to.y), source.At(x, y)) << x << "," << y;
      }
    }
    EXPECT_EQ(Base(), result) << "every transform replaces the base picture";
  }
}

TEST_F(WorkingPictureTest, RotatingThreeByTwoRightPutsTheTopLeftPixelTopRight) {
  Load(Numbered(3, 2));
  commands_.MK_MigiClick(TransformKind::RotateRight);
  const PixelBuffer result = Working();
  ASSERT_EQ(result.width, 2);
  ASSERT_EQ(result.height, 3);
  EXPECT_EQ(result.At(1, 0), Numbered(3, 2).At(0, 0));

  commands_.MK_MigiClick(TransformKind::RotateLeft);
  commands_.MK_MigiClick(TransformKind::Mirror);
  commands_.MK_MigiClick(TransformKind::Mirror);
  EXPECT_EQ(Working(), Numbered(3, 2));
}

TEST_F(WorkingPictureTest, HalvingRoundsToEvenAndDoublingDoubles) {
  Load(Numbered(5, 7));
  commands_.MBMP_HEARFClick(ScaleKind::Half);
  EXPECT_EQ(pictures_.Working().GetSize(), (Size{2, 4}));
  EXPECT_EQ(host_.sizeText, "ＣＧサイズ 2, 4");

  commands_.M_ClearClick();
  host_.calls.clear();
  commands_.MBMP_HEARFClick(ScaleKind::Double);
  EXPECT_EQ(pictures_.Working().GetSize(), (Size{10, 14}));
  EXPECT_EQ(host_.sizeText, "ＣＧサイズ 10, 14");
  // A uniform stretch by two: every source pixel fills a 2 × 2 block.
  const PixelBuffer doubled = Working();
  EXPECT_EQ(doubled.At(9, 13), Numbered(5, 7).At(4, 6));
  EXPECT_EQ(doubled.At(2, 5), Numbered(5, 7).At(1, 2));
  EXPECT_EQ(Base(), Numbered(5, 7));
  EXPECT_TRUE(host_.calls.empty()) << "scaling leaves the window shown";
}

TEST_F(WorkingPictureTest, RefusedDoublingKeepsThePicture) {
  Load(Numbered(MaxScaledSide / 2 + 1, 1));
  host_.sizeText.clear();
  commands_.MBMP_HEARFClick(ScaleKind::Double);
  EXPECT_EQ(Working(), Numbered(MaxScaledSide / 2 + 1, 1));
  EXPECT_TRUE(host_.sizeText.empty());
}

TEST_F(WorkingPictureTest, EntriesNeedTheirPictures) {
  EXPECT_FALSE(pictures_.CanRestore());
  EXPECT_FALSE(pictures_.HasWorkingPicture());
  // Reached anyway, the commands change nothing and keep the window shown.
  commands_.MK_MigiClick(TransformKind::RotateRight);
  commands_.MBMP_HEARFClick(ScaleKind::Half);
  EXPECT_TRUE(host_.calls.empty());
  EXPECT_TRUE(host_.messages.empty()) << "nothing to turn is no failure";

  ASSERT_TRUE(pictures_.Working().Assign(Numbered(2, 2)));
  EXPECT_TRUE(pictures_.HasWorkingPicture());
  EXPECT_FALSE(pictures_.CanRestore()) << "a stamp on nothing is no base picture yet";
  commands_.M_RealClick();
  EXPECT_TRUE(pictures_.CanRestore());
}

TEST_F(WorkingPictureTest, StreamRoundTripKeepsPixels) {
  Load(Numbered(7, 3));  // odd width: the BMP rows are padded
  ASSERT_TRUE(pictures_.StreamRoundTrip());
  EXPECT_EQ(Working(), Numbered(7, 3));
}

TEST_F(WorkingPictureTest, ReadabilityChecksRefuseAnEmptyPicture) {
  EXPECT_FALSE(WorkingPicture::CheckBitmapReadable(pictures_.Base()));
  EXPECT_FALSE(pictures_.CheckPictureReadable(pictures_.Working()));
  Load(Numbered(2, 3));
  EXPECT_TRUE(WorkingPicture::CheckBitmapReadable(pictures_.Base()));
  EXPECT_TRUE(pictures_.CheckPictureReadable(pictures_.Working()));
  EXPECT_EQ(Working(), Numbered(2, 3));
}

// Low-colour screens give the picture the screen's colours in memory: what the user copied
// stays on the clipboard.
TEST_F(WorkingPictureTest, ConfirmOnLowColourScreensLeavesTheClipboardAlone) {
  Load(Numbered(6, 4));
  ASSERT_TRUE(PutClipboardText(host_.Handle(), "user text"));
  workspace_.screenDepth = 8;
  commands_.M_RealClick();
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
  EXPECT_EQ(ClipboardText(host_.Handle()), "user text");
  EXPECT_EQ(Base().width, 6);
}

TEST_F(WorkingPictureTest, ConfirmOnDeepScreensLeavesTheClipboardAlone) {
  Load(Numbered(6, 4));
  for (int depth : {0, 16, 32}) {
    SCOPED_TRACE(depth);
    ASSERT_TRUE(PutClipboardText(host_.Handle(), "user text"));
    workspace_.screenDepth = depth;
    commands_.M_RealClick();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  }
}

TEST_F(WorkingPictureTest, ScreenFormatRoundTripKeepsPixelsOnATrueColourScreen) {
  Load(Numbered(5, 3));
  ASSERT_TRUE(pictures_.ScreenFormatRoundTrip());
  EXPECT_EQ(Working(), Numbered(5, 3));
}

TEST(WorkingPicturePicture, FailedReplacementsKeepThePicture) {
  Picture picture;
  ASSERT_TRUE(picture.Assign(Numbered(3, 3)));
  PixelBuffer inconsistent(4, 4);
  inconsistent.pixels.pop_back();
  EXPECT_FALSE(picture.Assign(inconsistent));
  EXPECT_FALSE(picture.StretchFrom(picture, {0, 5}));
  EXPECT_FALSE(picture.Create({65536, 65536}));  // 16 GB
  EXPECT_EQ(picture.ToPixelBuffer(), Numbered(3, 3));

  Picture copy;
  ASSERT_TRUE(copy.CopyFrom(picture));
  copy.Row(0)[0] = 0;
  EXPECT_EQ(picture.ToPixelBuffer(), Numbered(3, 3)) << "a copy shares no pixels";
}

// What the scroll box shows, drawn into a bitmap of its client size.
PixelBuffer Shown(ScrollBox& box) {
  Picture canvas;
  const Size client = box.ClientSize();
  if (!canvas.Create(client)) return {};
  WindowDc screen(nullptr);
  MemoryDc dc(CreateCompatibleDC(screen.Get()));
  {
    SelectedObject bitmap(dc.Get(), canvas.Handle());
    SendMessageA(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  }
  return canvas.ToPixelBuffer();
}

Pixel AsPixel(COLORREF colour) { return MakePixel(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

TEST_F(WorkingPictureTest, ScrollBoxShowsThePictureTopLeftOnTheWindowColour) {
  Load(Numbered(5, 4));
  host_.RefreshPicture();
  const PixelBuffer shown = Shown(host_.PictureBox());
  ASSERT_FALSE(shown.Empty());
  EXPECT_EQ(shown.At(0, 0), Numbered(5, 4).At(0, 0));
  EXPECT_EQ(shown.At(4, 3), Numbered(5, 4).At(4, 3));
  EXPECT_EQ(shown.At(5, 0), AsPixel(GetSysColor(COLOR_WINDOW)));
  EXPECT_EQ(shown.At(0, 4), AsPixel(GetSysColor(COLOR_WINDOW)));
}

TEST_F(WorkingPictureTest, ResetPictureScrollReturnsToTheTopLeft) {
  Load(Numbered(400, 300));
  host_.RefreshPicture();
  ScrollBox& box = host_.PictureBox();
  SendMessageA(box.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  SendMessageA(box.Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
  ASSERT_EQ(box.ScrollPosition().y, 8);
  ASSERT_GT(box.ScrollPosition().x, 0);
  EXPECT_EQ(Shown(box).At(0, 0), Numbered(400, 300).At(box.ScrollPosition().x, 8));
  Application::ProcessMessages();
  Screenshot("scroll-box-scrolled");

  // Mouse positions arrive in picture coordinates.
  std::vector<Point> downs;
  box.onMouseDown = [&](const PictureMouseEvent& event) { downs.push_back(event.at); };
  SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
  SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  EXPECT_EQ(downs, (std::vector<Point>{{box.ScrollPosition().x + 5, 14}}));

  host_.PictureBox().ResetScroll();
  EXPECT_EQ(box.ScrollPosition(), (Point{0, 0}));
  for (int bar : {SB_HORZ, SB_VERT}) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS};
    GetScrollInfo(box.Handle(), bar, &info);
    EXPECT_EQ(info.nPos, 0);
    EXPECT_EQ(info.nMax + 1, bar == SB_HORZ ? 400 : 300);
  }
  EXPECT_EQ(Shown(box).At(0, 0), Numbered(400, 300).At(0, 0));
}

}  // namespace
