#include <gtest/gtest.h>

#include <string>

#include "edit/composition_commands.h"
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
