#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "capture/capture_fill.h"
#include "fake_window.h"
#include "output/file_history.h"
#include "output/picture_files.h"
#include "output/picture_memories.h"
#include "output/work_files.h"
#include "temp_folder.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Green = MakePixel(0, 160, 0);

// The File menu's places for the working picture, with the program folder a folder of the test's.
class FileOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    workspace_.programFolder = folder_.Path();
  }
  void Load(int width, int height, Pixel fill) {
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(width, height, fill)));
    ASSERT_TRUE(workspace_.picture.SetBaseFromWorking());
  }
  Pixel At(int x, int y) { return workspace_.picture.Working().Row(y)[x] & 0xFFFFFF; }
  bool Exists(const std::string& name) { return GetFileAttributesA(folder_.Path(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

  TempFolder folder_{"file output"};
  FakeWindow host_;
  Workspace workspace_;
  PictureMemories memories_{workspace_, host_};
};

TEST_F(FileOutputTest, AMemoryGivesBackItsPictureAsTheBasePicture) {
  Load(30, 20, Red);
  memories_.MF_BMP0Click();
  EXPECT_FALSE(host_.Menu().Enabled("MBMP_M1LOAD"));
  memories_.MBMP_M1SAVEClick(1);
  memories_.MF_BMP0Click();
  EXPECT_TRUE(host_.Menu().Enabled("MBMP_M1LOAD"));
  EXPECT_FALSE(host_.Menu().Enabled("MBMP_M2LOAD"));

  Load(40, 10, Green);
  memories_.MBMP_M1LOADClick(1);
  EXPECT_EQ(workspace_.picture.Working().GetSize(), (Size{30, 20}));
  EXPECT_EQ(At(29, 19), Red);
  EXPECT_EQ(workspace_.picture.Base().Row(0)[0] & 0xFFFFFF, Red);
  EXPECT_EQ(host_.sizeText, "ＢＭＰロードサイズ 30, 20");
  EXPECT_EQ(host_.calls, (std::vector<std::string>{"hide", "reshow"}));

  memories_.MBMP_M1LOADClick(2);
  EXPECT_EQ(host_.messages, std::vector<std::string>{"エラー： ＢＭＰメモリー２がありません・・・"});
  // A memory that is no picture leaves the base picture for 画面を元に戻す.
  std::ofstream(folder_.Path(Memory2File), std::ios::binary) << "BM damaged";
  memories_.MBMP_M1LOADClick(2);
  EXPECT_EQ(host_.messages.back(), "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・");
  EXPECT_TRUE(workspace_.picture.Working().Empty());
  EXPECT_EQ(workspace_.picture.Base().GetSize(), (Size{30, 20}));
}

// Two gaps, one reaching beyond the picture: painted in the clear colour (black), or copied from
// memory 1 when that is asked for; used once either way.
TEST_F(FileOutputTest, TheCaptureGapsTakeTheClearColourOrMemoryOne) {
  const std::vector<Bounds> gaps{{0, 0, 10, 10}, {90, 70, 20, 20}};
  // `farCorner`: the second gap's last pixel, beyond a memory smaller than the picture.
  const auto expectGaps = [&](Pixel inside, Pixel farCorner) {
    EXPECT_EQ(At(0, 0), inside);
    EXPECT_EQ(At(9, 9), inside);
    EXPECT_EQ(At(90, 70), inside);
    EXPECT_EQ(At(99, 79), farCorner);
    EXPECT_EQ(At(10, 10), White);
    EXPECT_EQ(At(89, 79), White);
    EXPECT_TRUE(workspace_.captureFill.empty());
  };
  workspace_.settings.clearColourIndex = 4;
  Load(100, 80, White);
  workspace_.captureFill = gaps;
  FillCaptureGaps(workspace_, host_);
  expectGaps(Black, Black);

  workspace_.settings.gouseiM1 = true;
  Load(100, 80, White);
  workspace_.captureFill = gaps;
  FillCaptureGaps(workspace_, host_);  // no memory 1: the gaps stay as captured
  expectGaps(White, White);

  Picture memory;
  ASSERT_TRUE(memory.Assign(PixelBuffer(95, 75, Green)));
  ASSERT_TRUE(WriteBmpFile(memory, folder_.Path(Memory1File)));
  workspace_.captureFill = gaps;
  FillCaptureGaps(workspace_, host_);
  expectGaps(Green, White);
  EXPECT_EQ(At(94, 74), Green);

  workspace_.settings.capcherGousei = false;
  Load(100, 80, White);
  workspace_.captureFill = gaps;
  FillCaptureGaps(workspace_, host_);
  expectGaps(White, White);
}

class FileHistoryTest : public FileOutputTest {
 protected:
  void SetUp() override {
    FileOutputTest::SetUp();
    history_.Create(host_.Handle(), {0, 0, 240, 100}, RGB(255, 255, 255), nullptr);
  }
  std::vector<std::string> Shown() { return history_.ListBox_FHIS.Items(); }
  std::string ListFileText() {
    std::ifstream in(folder_.Path(FileHistoryListFile), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  FileCommands files_{workspace_, host_};
  FileHistory history_{workspace_, host_, files_, memories_};
};

TEST_F(FileHistoryTest, TheListKeepsItsOrderThroughLoadsDeletesAndRuns) {
  std::ofstream(folder_.Path(FileHistoryListFile), std::ios::binary)
      << "C:\\A.BMP\r\nC:\\B.JPG\r\n\r\nC:\\C.BMP\nC:\\D.BMP\r\n" << std::string(2000, 'x') << "\r\n";
  history_.LoadList();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"C:\\A.BMP", "C:\\B.JPG", "C:\\C.BMP", "C:\\D.BMP"}));
  EXPECT_EQ(history_.Label_FHIS_KOSU.Caption(), "4ｺ");

  history_.AddLoadedFile("c:\\c.bmp");
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c:\\c.bmp", "C:\\A.BMP", "C:\\B.JPG", "C:\\D.BMP"}));

  history_.ListBox_FHIS.Select(1);
  history_.ListBox_FHIS.Select(3);
  history_.ListBox_FHIS.SetCaretIndex(3);
  history_.Button_FHIS_DELClick();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"c:\\c.bmp", "C:\\B.JPG"}));
  EXPECT_EQ(history_.ListBox_FHIS.SelectedIndices(), std::vector<int>{1});
  history_.ListBox_FHIS.DeselectAll();
  history_.Button_FHIS_DELClick();
  EXPECT_EQ(host_.messages, std::vector<std::string>{"データが選択されていません・・・"});

  history_.ListHandedFiles({"C:\\B.JPG", "C:\\E.BMP"});
  EXPECT_EQ(Shown().size(), 4u);
  EXPECT_EQ(history_.ListBox_FHIS.SelectedIndices(), std::vector<int>{2});
  ASSERT_TRUE(history_.SaveList());
  EXPECT_EQ(ListFileText(), "c:\\c.bmp\r\nC:\\B.JPG\r\nC:\\B.JPG\r\nC:\\E.BMP\r\n");

  // The ALL question's time-out answers yes.
  history_.Button_FHIS_ALLDELClick();
  EXPECT_TRUE(Shown().empty());
  EXPECT_EQ(history_.Label_FHIS_KOSU.Caption(), "0ｺ");
  history_.Button_FHIS_DELClick();
  EXPECT_EQ(host_.messages.back(), "登録データがありません・・・");
}

TEST_F(FileHistoryTest, RestoreBringsBackThePictureOfTheMomentThePanelOpened) {
  Load(12, 8, Red);
  history_.MF_FHISClick();
  EXPECT_TRUE(history_.Panel_FHIS.Visible());
  ASSERT_TRUE(Exists(HistorySnapshotFile));
  // Opening it again while it shows keeps the first snapshot.
  Load(5, 5, Green);
  history_.MF_FHISClick();
  history_.Button_MODOSUClick();
  EXPECT_EQ(workspace_.picture.Working().GetSize(), (Size{12, 8}));
  EXPECT_EQ(At(11, 7), Red);

  // Without a picture there is no snapshot to come back.
  history_.Button_FHIS_CLOSEClick();
  workspace_.picture.Working().Clear();
  history_.MF_FHISClick();
  EXPECT_FALSE(Exists(HistorySnapshotFile));
  EXPECT_TRUE(host_.messages.empty());
}

}  // namespace
