#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "capture/capture_fill.h"
#include "common/work_files.h"
#include "fake_window.h"
#include "output/file_history.h"
#include "output/list_file_store.h"
#include "output/picture_files.h"
#include "output/picture_memories.h"
#include "output/wallpaper_commands.h"
#include "temp_folder.h"
#include "ui/dpi.h"

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
  // A memory that is no picture leaves both pictures as they were.
  std::ofstream(folder_.Path(Memory2File), std::ios::binary) << "BM damaged";
  memories_.MBMP_M1LOADClick(2);
  EXPECT_EQ(host_.messages.back(), "エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・");
  EXPECT_EQ(workspace_.picture.Working().GetSize(), (Size{30, 20}));
  EXPECT_EQ(workspace_.picture.Base().GetSize(), (Size{30, 20}));
}

// The desktop's wallpaper value for the length of a test, put back afterwards.
class WallpaperValue {
 public:
  WallpaperValue() { RegGetValueA(HKEY_CURRENT_USER, Key, "Wallpaper", RRF_RT_REG_SZ, nullptr, old_, &oldSize_); }
  ~WallpaperValue() { Set(old_); }
  static void Set(const std::string& value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, Key, "Wallpaper", REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
  }

 private:
  static constexpr const char* Key = "Control Panel\\Desktop";
  char old_[MAX_PATH] = {};
  DWORD oldSize_ = sizeof old_;
};

// A memory or a wallpaper that cannot be read costs nothing: the edited working picture stays
// with the base picture under it, and the user is told.
TEST_F(FileOutputTest, AnUnreadableMemoryOrWallpaperKeepsTheEditedPicture) {
  const WallpaperValue keptWallpaper;
  WallpaperCommands wallpaper{workspace_, host_};
  const std::string damaged = folder_.Path("(damaged) wall paper.gif");
  std::ofstream(damaged, std::ios::binary) << "GIF89a not a picture of ours";
  std::ofstream(folder_.Path(Memory1File), std::ios::binary) << "BM cut short";
  WallpaperValue::Set(damaged);
  const struct {
    const char* name;
    std::function<void()> load;
  } cases[] = {{"memory 1", [&] { memories_.MBMP_M1LOADClick(1); }},
               {"wallpaper", [&] { wallpaper.MKABE_LOADClick(); }}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Load(30, 20, White);
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(30, 20, Red)));  // an edit
    host_.messages.clear();
    c.load();
    EXPECT_EQ(host_.messages, std::vector<std::string>{"エラー： ＢＭＰ／ＪＰＧロードに失敗しました・・・"});
    ASSERT_EQ(workspace_.picture.Working().GetSize(), (Size{30, 20}));
    EXPECT_EQ(At(29, 19), Red);
    EXPECT_EQ(workspace_.picture.Base().Row(0)[0] & 0xFFFFFF, White);
  }
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

// Another program's hold on a file: while it lasts the file cannot be opened at all.
class LockedFile {
 public:
  explicit LockedFile(const std::string& path)
      : file_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  LockedFile(const LockedFile&) = delete;
  LockedFile& operator=(const LockedFile&) = delete;
  ~LockedFile() { Release(); }
  bool Held() const { return file_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (Held()) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE file_;
};

std::string TextOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A list file written at close replaces the file read at start-up, unless that file stood there
// and could not be read: then the whole history in it stays.
TEST_F(FileOutputTest, AListFileThatCouldNotBeReadIsLeftAlone) {
  const std::string path = folder_.Path("(list) one.LST");
  const std::string kept = "C:\\KEEP ME.BMP\r\nC:\\AND ME.BMP\r\n";
  const struct {
    const char* name;
    const char* before;  // nullptr: no file
    bool locked;
    std::int64_t cap;
    const char* read;
    bool written;
  } cases[] = {
      {"no file", nullptr, false, 64, "", true},
      {"a readable file", "C:\\OLD.BMP\r\n", false, 64, "C:\\OLD.BMP\r\n", true},
      {"held by another program at start-up", kept.c_str(), true, 64, "", false},
      {"larger than the cap", kept.c_str(), false, 16, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(path.c_str());
    if (c.before) std::ofstream(path, std::ios::binary) << c.before;
    ListFileStore store(c.cap);
    LockedFile lock(path);
    ASSERT_EQ(lock.Held(), c.before != nullptr);
    if (!c.locked) lock.Release();
    EXPECT_EQ(store.Read(path), c.read);
    lock.Release();
    EXPECT_EQ(store.Write({"C:\\NEW.BMP"}), c.written);
    EXPECT_EQ(TextOf(path), c.written ? "C:\\NEW.BMP\r\n" : kept);
  }
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

// Japanese Windows draws the "System" font as a 16-pixel raster font, its full-width characters
// 16 wide: the head's caption and count still show whole, side by side, before the buttons.
TEST_F(FileHistoryTest, TheHeadShowsItsTextsWholeInAWideFont) {
  const FontHandle wide = MakeFont("ＭＳ ゴシック", -16, DesignDpi);
  FileHistory history{workspace_, host_, files_, memories_};
  history.Create(host_.Handle(), {0, 0, 437, 97}, RGB(255, 255, 255), wide.Get());
  const Bounds caption = history.Label_FHIS.GetBounds();
  const Bounds count = history.Label_FHIS_KOSU.GetBounds();
  EXPECT_GE(caption.width, TextWidth(wide.Get(), "ファイルヒストリー"));
  EXPECT_GE(count.left, caption.Right());
  EXPECT_GE(count.width, TextWidth(wide.Get(), "1000ｺ"));
  EXPECT_LE(count.Right(), history.Button_FHIS_DEL.GetBounds().left);
  EXPECT_LE(history.Button_FHIS_CLOSE.GetBounds().Right(), 437);
}

TEST_F(FileHistoryTest, AListHeldByAnotherProgramAtStartUpSurvivesTheClose) {
  const std::string history = "C:\\(A) ONE.BMP\r\nC:\\B TWO.JPG\r\n";
  std::ofstream(folder_.Path(FileHistoryListFile), std::ios::binary) << history;
  {
    const LockedFile lock(folder_.Path(FileHistoryListFile));
    ASSERT_TRUE(lock.Held());
    history_.LoadList();
  }
  EXPECT_TRUE(Shown().empty());
  history_.AddLoadedFile("C:\\NEW.BMP");
  EXPECT_FALSE(history_.SaveList());
  EXPECT_EQ(ListFileText(), history);
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

// A snapshot file of another moment that the user made read-only: the panel opens with the
// failed save reported, and 戻す must not bring that older picture back over the current one.
TEST_F(FileHistoryTest, ASnapshotThatCannotBeWrittenBringsNoOlderPictureBack) {
  Picture older;
  ASSERT_TRUE(older.Assign(PixelBuffer(7, 7, Green)));
  ASSERT_TRUE(WriteBmpFile(older, folder_.Path(HistorySnapshotFile)));
  SetFileAttributesA(folder_.Path(HistorySnapshotFile).c_str(), FILE_ATTRIBUTE_READONLY);
  Load(12, 8, Red);
  history_.MF_FHISClick();
  EXPECT_TRUE(history_.Panel_FHIS.Visible());
  EXPECT_EQ(host_.messages, std::vector<std::string>{"ＢＭＰセーブに失敗しました・・・"});
  history_.Button_MODOSUClick();
  EXPECT_EQ(host_.messages.back(), "戻す画面がありません・・・");
  ASSERT_EQ(workspace_.picture.Working().GetSize(), (Size{12, 8}));
  EXPECT_EQ(At(11, 7), Red);
}

}  // namespace
