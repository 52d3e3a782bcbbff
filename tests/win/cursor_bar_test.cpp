#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cursor/cursor_history_box.h"
#include "cursor/cursor_pictures.h"
#include "cursor/cursor_preview.h"
#include "cursor/cursor_stamping.h"
#include "fake_window.h"
#include "formats/bmp_format.h"
#include "support/cursor_file_builder.h"
#include "temp_folder.h"
#include "ui/registry.h"
#include "workspace/size_bar.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel Red = MakePixel(255, 0, 0);

// The cursor bar's preview, labels and stamping on a test window.
class CursorBarTest : public testing::Test {
 protected:
  void SetUp() override {
    const HWND parent = host_.Window().Handle();
    panelIcon_.Create(parent, {0, 0, 38, 38});
    labelIx_.Create(parent, {40, 0, 18, 14}, "00");
    labelIy_.Create(parent, {40, 16, 18, 14}, "00");
    preview_.Create();
    stamping_.Create();
    workspace_.settings.cursorSet = true;
  }

  // An opaque black cursor of that size: the AND image black, the XOR image black.
  void BlackCursor(Size size, Point hotSpot) {
    ASSERT_TRUE(workspace_.cursor.andMask.Create(size));
    ASSERT_TRUE(workspace_.cursor.xorColour.Create(size));
    workspace_.cursor.hotSpot = hotSpot;
  }

  Size PanelSize() const { return {panelIcon_.GetBounds().width, panelIcon_.GetBounds().height}; }
  Pixel WorkingAt(int x, int y) { return workspace_.picture.Working().Row(y)[x] & 0xFFFFFF; }

  FakeWindow host_;
  Workspace workspace_;
  Panel panelIcon_;
  Label labelIx_, labelIy_;
  CursorPreview preview_{workspace_, host_, panelIcon_, labelIx_, labelIy_};
  CursorStamping stamping_{workspace_, host_, host_.PictureBox()};
};

TEST_F(CursorBarTest, RotationTurnsTheCursorAndItsPanelButKeepsTheHotSpot) {
  BlackCursor({32, 16}, {3, 4});
  preview_.RenderCursorPreview();
  EXPECT_EQ(PanelSize(), (Size{38, 22}));
  preview_.MKI_MigiClick(TransformKind::RotateRight);
  EXPECT_EQ(workspace_.cursor.GetSize(), (Size{16, 32}));
  EXPECT_EQ(workspace_.cursor.andMask.GetSize(), (Size{16, 32}));
  EXPECT_EQ(PanelSize(), (Size{22, 38}));
  EXPECT_EQ(workspace_.cursor.hotSpot, (Point{3, 4}));
}

TEST_F(CursorBarTest, HotSpotMenuItemsFollowThePreviewSize) {
  BlackCursor({20, 30}, {});
  preview_.RenderCursorPreview();
  const struct {
    int item;
    Point hotSpot;
  } cases[] = {{0, {9, 14}}, {1, {0, 0}}, {2, {0, 29}}, {3, {19, 0}}, {4, {19, 29}}};
  for (const auto& c : cases) {
    preview_.IXY0Click(c.item);
    EXPECT_EQ(workspace_.cursor.hotSpot, c.hotSpot) << c.item;
  }
  EXPECT_EQ(labelIx_.Text(), "19");
  EXPECT_EQ(labelIy_.Text(), "29");
  // A press on the preview sets the hot spot to the pressed pixel.
  preview_.Image_IconMouseDown({7, 8});
  EXPECT_EQ(labelIx_.Text(), "7");
  EXPECT_EQ(labelIy_.Text(), "8");
}

TEST_F(CursorBarTest, TheCombineFlagFollowsTheBitmapFlagAtEveryPreview) {
  BlackCursor({8, 8}, {});
  workspace_.cursor.fromBitmap = true;
  preview_.RenderCursorPreview();
  EXPECT_TRUE(workspace_.cursor.combineWithOr);
  workspace_.cursor.fromBitmap = false;
  preview_.RenderCursorPreview();
  EXPECT_FALSE(workspace_.cursor.combineWithOr);
}

TEST_F(CursorBarTest, StampAndEraseTakeTheHotSpotAndClipAtTheEdges) {
  Picture white;
  ASSERT_TRUE(white.Create({40, 40}));
  FillPicture(white, RGB(255, 255, 255));
  ASSERT_TRUE(workspace_.picture.Working().CopyFrom(white));
  ASSERT_TRUE(workspace_.picture.SetBaseFromWorking());
  BlackCursor({32, 32}, {15, 15});

  stamping_.Image1MouseDown(MouseButton::Left, {5, 5});
  // Top-left corner at (-10, -10): only the lower-right 22 x 22 pixels land.
  EXPECT_EQ(WorkingAt(0, 0), Black);
  EXPECT_EQ(WorkingAt(21, 21), Black);
  EXPECT_EQ(WorkingAt(22, 0), White);
  EXPECT_EQ(WorkingAt(0, 22), White);
  EXPECT_EQ(workspace_.picture.Base().Row(0)[0] & 0xFFFFFF, White) << "a stamp never reaches the base picture";

  stamping_.Image1MouseDown(MouseButton::Right, {5, 5});
  EXPECT_EQ(WorkingAt(0, 0), White);
  EXPECT_EQ(WorkingAt(21, 21), White);

  // Without カーソル一覧表示 a click does nothing, while dropping the preview still stamps.
  workspace_.settings.cursorSet = false;
  stamping_.Image1MouseDown(MouseButton::Left, {5, 5});
  EXPECT_EQ(WorkingAt(0, 0), White);
  host_.PictureBox().SetPicture(&workspace_.picture.Working());
  POINT dropped{30, 25};
  ClientToScreen(host_.PictureBox().Handle(), &dropped);
  stamping_.Image1DragDrop(dropped);
  EXPECT_EQ(WorkingAt(15, 10), Black);
  EXPECT_EQ(WorkingAt(14, 10), White);
}

// The history list as the start-up fills it from PIKTO_I0.LST, and as the user trims it.
class CursorHistoryTest : public CursorBarTest {
 protected:
  void SetUp() override {
    CursorBarTest::SetUp();
    ASSERT_TRUE(folder_.Created());
    workspace_.programFolder = folder_.Path();
    sizeBar_.Create(host_.Window().Handle(), {0, 60, 200, 21}, RGB(192, 192, 192), nullptr, nullptr);
    lists_.Create();
    history_.Create();
  }

  // A red 16 x 16 cursor file named `name` in the test folder.
  std::string CursorFile(const std::string& name) {
    using namespace cursor_test;
    const Bytes bytes = IconDirectory(2, {{PlainEntry(16, 16, 4, 1, {0, MakePixel(255, 0, 0)}), 1, 2, 16, 16}});
    const std::string path = folder_.Path(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  void WriteList(const std::string& text) { std::ofstream(folder_.Path("PIKTO_I0.LST"), std::ios::binary) << text; }
  std::string ReadList() {
    std::ifstream in(folder_.Path("PIKTO_I0.LST"), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  OwnerDrawnComboBox& List() { return sizeBar_.ComboBox_Icon_File; }

  TempFolder folder_{"cursor history"};
  SizeBar sizeBar_;
  OwnerDrawnComboBox icon_, select_, system_, arrow_;
  CursorLists lists_{workspace_, host_, preview_, {icon_, select_, system_, arrow_, panelIcon_}};
  CursorHistoryBox history_{workspace_, host_, preview_, lists_,
                            {sizeBar_.ColorBtn_Load, sizeBar_.ComboBox_Icon_File, sizeBar_.Panel_SIZE}};
};

TEST_F(CursorHistoryTest, ReadKeptAtTwentyMovedToTopAndEmptiedWithTheDeleteKey) {
  std::string text;
  std::vector<std::string> names;
  for (int i = 0; i < 22; ++i) {
    names.push_back(CursorFile("c" + std::to_string(i) + ".cur"));
    text += names.back() + "\r\n";
  }
  WriteList(text);
  history_.LoadHistory();
  ASSERT_EQ(List().Count(), 20) << "the lines beyond the 20th are dropped";

  // Choosing the third entry makes it the current cursor and moves it to the top.
  List().Select(2);
  history_.ComboBox_Icon_FileClick();
  EXPECT_EQ(workspace_.cursor.hotSpot, (Point{1, 2}));
  EXPECT_EQ(workspace_.cursor.sourceFile, names[2]);
  EXPECT_FALSE(List().Visible());
  ASSERT_TRUE(history_.SaveHistory());
  EXPECT_EQ(ReadList().substr(0, names[2].size() + 2), names[2] + "\r\n");

  // The Delete key empties the list item by item; the empty list hides and no right click shows it.
  List().Show();
  while (List().Count() > 0) {
    List().Select(List().Count() - 1);
    ASSERT_TRUE(history_.ComboBox_Icon_FileKeyDown(VK_DELETE));
  }
  EXPECT_FALSE(List().Visible());
  history_.ColorBtn_LoadMouseDown();
  EXPECT_FALSE(List().Visible());
  EXPECT_FALSE(history_.ComboBox_Icon_FileKeyDown('A'));
}

// A list file larger than any list of ours reads as an empty list, and the close leaves it alone.
TEST_F(CursorHistoryTest, AListTooLargeToReadSurvivesTheClose) {
  const std::string oversized = CursorFile("(big) one.cur") + "\r\n" + std::string(1 << 20, 'x') + "\r\n";
  WriteList(oversized);
  history_.LoadHistory();
  EXPECT_EQ(List().Count(), 0);
  EXPECT_FALSE(history_.SaveHistory());
  EXPECT_EQ(ReadList(), oversized);
}

// A value of the user's pointer scheme, removed again afterwards.
class SchemeValue {
 public:
  SchemeValue(const char* name, DWORD type, const std::string& value) : name_(name) {
    const auto key = RegistryKey::Create(HKEY_CURRENT_USER, SchemeKey);
    EXPECT_TRUE(key && RegSetValueExA(key->Get(), name, 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS);
  }
  SchemeValue(const SchemeValue&) = delete;
  SchemeValue& operator=(const SchemeValue&) = delete;
  ~SchemeValue() {
    if (const auto key = RegistryKey::Open(HKEY_CURRENT_USER, SchemeKey)) key->DeleteValue(name_);
  }

 private:
  static constexpr const char* SchemeKey = "Control Panel\\Cursors";
  const char* name_;
};

// Current systems write the scheme's paths as expandable strings, which are expanded; a plain
// string is taken as it stands.
TEST_F(CursorHistoryTest, SchemeRolesTakeExpandableStrings) {
  CursorFile("blue [1].cur");
  ASSERT_TRUE(SetEnvironmentVariableA("PIKTO_TEST_CURSORS", folder_.Path().c_str()));
  const SchemeValue arrow("Arrow", REG_EXPAND_SZ, "%PIKTO_TEST_CURSORS%blue [1].cur");
  const SchemeValue help("Help", REG_SZ, "%PIKTO_TEST_CURSORS%blue [1].cur");
  ASSERT_TRUE(select_.Create(host_.Window().Handle(), {0, 90, 65, 200}, 32));
  lists_.BuildSchemeList();
  EXPECT_EQ(host_.messages, std::vector<std::string>{"ＣＧロードに失敗しました"}) << "the plain string's file is not found";
  EXPECT_EQ(workspace_.cursor.GetSize(), (Size{16, 16}));
  EXPECT_EQ(workspace_.cursor.hotSpot, (Point{1, 2}));
  SetEnvironmentVariableA("PIKTO_TEST_CURSORS", nullptr);
}

// A load that fails after a key-colour BMP cursor leaves that cursor as it was, colours and all:
// a history item whose file is gone, and a pointer scheme role whose file is gone.
TEST_F(CursorHistoryTest, AFailedLoadKeepsTheBitmapCursorsColours) {
  const std::string bmp = folder_.Path("red (1).BMP");
  const auto bytes = *EncodeBmp(PixelBuffer(16, 16, Red));
  std::ofstream(bmp, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
  const std::string gone = folder_.Path("gone [2].cur");
  WriteList(bmp + "\r\n" + gone + "\r\n");
  const SchemeValue arrow("Arrow", REG_SZ, gone);
  workspace_.screenDepth = 32;  // the mask keeps the picture's colours: only OR gives them back
  ASSERT_TRUE(select_.Create(host_.Window().Handle(), {0, 90, 65, 200}, 32));
  lists_.BuildSchemeList();
  history_.LoadHistory();
  Picture white;
  ASSERT_TRUE(white.Create({40, 40}));
  FillPicture(white, RGB(255, 255, 255));
  ASSERT_TRUE(workspace_.picture.Working().CopyFrom(white));
  ASSERT_TRUE(workspace_.picture.SetBaseFromWorking());
  // Stamped on white and erased again, as the user sees it.
  const auto stamped = [&] {
    stamping_.Image1MouseDown(MouseButton::Left, {4, 4});
    const Pixel pixel = WorkingAt(4, 4);
    stamping_.Image1MouseDown(MouseButton::Right, {4, 4});
    return pixel;
  };

  List().Select(0);
  history_.ComboBox_Icon_FileClick();
  ASSERT_EQ(stamped(), Red);
  host_.messages.clear();
  List().Select(1);
  history_.ComboBox_Icon_FileClick();
  EXPECT_EQ(host_.messages, std::vector<std::string>{"ＣＧロードに失敗しました"});
  preview_.RenderCursorPreview();  // as the next re-show does
  EXPECT_EQ(stamped(), Red) << "after the history item that failed";

  List().Select(0);
  history_.ComboBox_Icon_FileClick();
  ASSERT_EQ(stamped(), Red);
  select_.Select(0);
  lists_.ComboBox_SelectClick();
  EXPECT_EQ(host_.messages.size(), 2u);
  EXPECT_EQ(stamped(), Red) << "after the scheme role that failed";
}

}  // namespace
