#include <gtest/gtest.h>

#include <string>

#include "edit/composition_commands.h"
#include "edit/composition_corner.h"
#include "edit/draw_shape.h"
#include "fake_window.h"
#include "output/picture_files.h"
#include "temp_folder.h"

namespace {

constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Green = MakePixel(0, 255, 0);
constexpr Pixel Blue = MakePixel(0, 0, 255);
constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Black = 0;

// A 40 × 30 working picture and a 10 × 6 blue second picture loaded from a BMP file, as the
// load command loads it once its dialog has named the file.
class CompositionCommandsTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.Created()); }

  void LoadPictures(Pixel base, Pixel working, int secondWidth = 10, int secondHeight = 6) {
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(40, 30, base)));
    ASSERT_TRUE(workspace_.picture.SetBaseFromWorking());
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(40, 30, working)));
    Picture second;
    ASSERT_TRUE(second.Assign(PixelBuffer(secondWidth, secondHeight, Blue)));
    ASSERT_TRUE(WriteBmpFile(second, file_));
    ASSERT_TRUE(composition_.LoadSecondPicture(file_));
  }
  void Compose(int shape) {
    workspace_.settings.gouseiShape = shape;
    composition_.M_GOUSEIClick();
  }
  Pixel At(int x, int y) { return workspace_.picture.Working().Row(y)[x] & 0xFFFFFF; }
  // Every pixel is `inside` within the rectangle and `outside` around it.
  void ExpectRectangle(const Bounds& r, Pixel inside, Pixel outside) {
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        const bool in = x >= r.left && x < r.Right() && y >= r.top && y < r.Bottom();
        ASSERT_EQ(At(x, y), in ? inside : outside) << x << ", " << y;
      }
    }
  }
  // Lets messages run until `done` holds or a generous limit has passed.
  template <typename Condition>
  bool WaitFor(Condition done) {
    const ULONGLONG limit = GetTickCount64() + 10000;
    while (!done()) {
      const ULONGLONG now = GetTickCount64();
      if (now >= limit) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(limit - now), QS_ALLINPUT);
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    return true;
  }

  FakeWindow host_;
  Workspace workspace_;
  CompositionCommands composition_{workspace_, host_};
  TempFolder folder_{"composition"};
  const std::string file_ = folder_.Path("second.bmp");
};

TEST_F(CompositionCommandsTest, TheWholeMiddleInsertsTheSecondPictureCentredWhateverTheSize) {
  for (int sizeStep = 0; sizeStep < 5; ++sizeStep) {
    LoadPictures(Red, Red);
    workspace_.settings.sizeIndex = sizeStep;
    Compose(0);
    ExpectRectangle({15, 12, 10, 6}, Blue, Red);
  }
  EXPECT_EQ(workspace_.picture.Base().Row(0)[0] & 0xFFFFFF, Red);
}

TEST_F(CompositionCommandsTest, TheCorrectionMovesOnlyWhileItIsOnAndClearingItCentresAgain) {
  LoadPictures(Red, Red);
  workspace_.settings.gouseiShape = 0;
  workspace_.settings.centre = {-5, 3};
  composition_.MG_HOSEIClick();
  EXPECT_TRUE(host_.Menu().Checked("MG_HOSEI"));
  ExpectRectangle({10, 15, 10, 6}, Blue, Red);

  LoadPictures(Red, Red);
  composition_.MG_HCLRClick();
  EXPECT_EQ(host_.Menu().Caption("MG_HOSEI"), "中央補正 ( 0, 0 ) (&H)");
  EXPECT_TRUE(workspace_.settings.hoseiOn);
  ExpectRectangle({15, 12, 10, 6}, Blue, Red);
}

TEST_F(CompositionCommandsTest, AFigureKeepsTheCornersAndStaysCentredWhenThePictureMoves) {
  LoadPictures(Red, Red, 40, 30);
  workspace_.settings.centre = {6, 0};
  workspace_.settings.hoseiOn = true;
  composition_.MBMP_ALLClick(1);
  EXPECT_TRUE(host_.Menu().Checked("MBMP_MARU"));
  EXPECT_FALSE(host_.Menu().Checked("MBMP_ALL"));
  EXPECT_EQ(workspace_.settings.gouseiShape, 1);
  for (const Point corner : {Point{0, 0}, Point{39, 0}, Point{0, 29}, Point{39, 29}}) {
    EXPECT_EQ(At(corner.x, corner.y), Red) << corner.x << ", " << corner.y;
  }
  // The ellipse spans x 5..34 on the middle row and the second picture starts at x 6: the
  // figure shows it from there, and the picture's part beyond the figure stays hidden.
  EXPECT_EQ(At(8, 15), Blue);
  EXPECT_EQ(At(20, 15), Blue);
  EXPECT_EQ(At(38, 15), Red);
}

// The figure variant as its blits describe it, on 32-bit pictures: the composite ANDed with the
// inner mask (the figure white on black), ORed into the picture ANDed with the outer mask.
PixelBuffer ComposedByBlits(const Picture& working, const Picture& second, int shape, int sizeStep, Point corner) {
  const Size size = working.GetSize();
  const auto combine = [](Picture& target, const Picture& source, DWORD rop, Point at) {
    {
      PictureDc to(target), from(source);
      BitBlt(to.Get(), at.x, at.y, source.Width(), source.Height(), from.Get(), 0, 0, rop);
    }
    GdiFlush();
  };
  const auto mask = [&](Pixel fill, COLORREF figure) {
    Picture m;
    EXPECT_TRUE(m.Assign(PixelBuffer(size.width, size.height, fill)));
    DrawShape(m, shape, 0, 0, figure, ShapeDivisor(sizeStep));
    return m;
  };
  Picture result, composite;
  EXPECT_TRUE(result.CopyFrom(working) && composite.CopyFrom(working));
  combine(composite, second, SRCCOPY, corner);
  combine(composite, mask(Black, RGB(255, 255, 255)), SRCAND, {});
  combine(result, mask(White, RGB(0, 0, 0)), SRCAND, {});
  combine(result, composite, SRCPAINT, {});
  return result.ToPixelBuffer();
}

// Every figure and size step on an odd-sized picture, the second picture off centre and larger
// than the picture on one side: the one-pass composition leaves what the blits leave.
TEST_F(CompositionCommandsTest, EveryFigureComposesAsItsBlits) {
  const auto gradient = [](int w, int h, int seed) {
    PixelBuffer p(w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) p.At(x, y) = MakePixel(x * 7 + seed, y * 5 + seed, (x ^ y) + seed);
    }
    return p;
  };
  Picture second;
  ASSERT_TRUE(second.Assign(gradient(131, 41, 90)));
  ASSERT_TRUE(WriteBmpFile(second, file_));
  ASSERT_TRUE(composition_.LoadSecondPicture(file_));
  workspace_.settings.hoseiOn = true;
  workspace_.settings.centre = {-9, 7};
  const PixelBuffer start = gradient(97, 61, 3);
  for (int shape = 1; shape <= 7; ++shape) {
    for (int sizeStep = 0; sizeStep < 5; sizeStep += 2) {
      Picture& working = workspace_.picture.Working();
      ASSERT_TRUE(working.Assign(start));
      const PixelBuffer expected = ComposedByBlits(working, composition_.SecondPicture(), shape, sizeStep,
                                                   SecondPictureCorner({97, 61}, {131, 41}, {-9, 7}));
      workspace_.settings.sizeIndex = sizeStep;
      Compose(shape);
      ASSERT_EQ(workspace_.picture.Working().ToPixelBuffer(), expected) << "shape " << shape << " step " << sizeStep;
    }
  }
}

TEST_F(CompositionCommandsTest, TheWhiteVariantStartsFromTheBasePicture) {
  struct Case {
    const char* name;
    Pixel base;
    Pixel inside;
    Pixel outside;
  };
  const Case cases[] = {
      {"all white: the second picture inside its rectangle, black around", White, Blue, Black},
      {"no white: the picture stays as restored", Red, Red, Red},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoadPictures(c.base, Green);
    composition_.MBMP_ALLClick(8);
    ExpectRectangle({15, 12, 10, 6}, c.inside, c.outside);
  }
}

// After ２倍 the picture is larger than the base picture and scrolled; the white variant brings
// back the base picture's size, and shows it as 画面を元に戻す does.
TEST_F(CompositionCommandsTest, TheWhiteVariantShowsTheBasePicturesSizeFromItsTopLeft) {
  LoadPictures(White, White);
  ASSERT_TRUE(workspace_.picture.Scale(ScaleKind::Double));
  ASSERT_TRUE(workspace_.picture.Scale(ScaleKind::Double));
  ASSERT_TRUE(workspace_.picture.Scale(ScaleKind::Double));
  ScrollBox& box = host_.PictureBox();
  box.SetPicture(&workspace_.picture.Working());
  host_.ShowPicture("ＣＧサイズ 320, 240");
  SendMessageA(box.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  SendMessageA(box.Handle(), WM_HSCROLL, SB_PAGEDOWN, 0);
  ASSERT_NE(box.ScrollPosition(), (Point{0, 0}));

  composition_.MBMP_ALLClick(8);
  EXPECT_EQ(workspace_.picture.Working().GetSize(), (Size{40, 30}));
  EXPECT_EQ(host_.sizeText, "ＣＧサイズ 40, 30");
  EXPECT_EQ(box.ScrollPosition(), (Point{0, 0}));
}

TEST_F(CompositionCommandsTest, TheMenuComesBackAndTheWindowIsShownAgain) {
  LoadPictures(Red, Red);
  host_.Menu().SetEnabled("M_GAMEN0", false);
  Compose(4);
  EXPECT_TRUE(host_.Menu().Enabled("M_GAMEN0"));
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"hide", "reshow"}));
  EXPECT_TRUE(workspace_.picture.Scratch(0).Empty());
  EXPECT_TRUE(workspace_.picture.Scratch(1).Empty());
}

TEST_F(CompositionCommandsTest, ALoadRemembersItsFolderAndComposesOnceByTheTimer) {
  LoadPictures(Red, Red);
  EXPECT_EQ(workspace_.settings.priLoadPath, folder_.Path());
  composition_.M_GOUSEI0Click();
  EXPECT_TRUE(host_.Menu().Enabled("M_GOUSEI"));
  workspace_.settings.gouseiShape = 0;
  ASSERT_TRUE(WaitFor([&] { return !host_.calls.empty(); }));
  ExpectRectangle({15, 12, 10, 6}, Blue, Red);
}

TEST_F(CompositionCommandsTest, AFileThatIsNoPictureLeavesNoSecondPicture) {
  LoadPictures(Red, Red);
  HANDLE file = CreateFileA(file_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "BM not a picture", 16, &written, nullptr);
  CloseHandle(file);
  EXPECT_FALSE(composition_.LoadSecondPicture(file_));
  EXPECT_TRUE(composition_.SecondPicture().Empty());
  EXPECT_EQ(host_.messages, (std::vector<std::string>{"エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・"}));
  composition_.M_GOUSEI0Click();
  EXPECT_FALSE(host_.Menu().Enabled("M_GOUSEI"));
  composition_.M_GOUSEIClick();
  EXPECT_TRUE(host_.calls.empty());
}

}  // namespace
