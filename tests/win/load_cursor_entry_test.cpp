#include "cursor/load_cursor_entry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "../support/program_file_builder.h"
#include "common/path_helpers.h"
#include "formats/bmp_format.h"
#include "picture/stamp_cursor.h"
#include "temp_folder.h"
#include "ui/win32.h"

namespace {

using namespace cursor_test;

constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Teal = MakePixel(10, 200, 60);  // the picture stamped on
constexpr int TrueColourScreen = 32;

// Cursor files written into the temporary folder under names of this run, removed afterwards.
class LoadCursorEntryTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.Created()); }

  std::string Path(const std::string& name) const { return folder_.Path(name); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
  }
  int Load(const std::string& name, const Bytes& bytes, int index = 0, int depth = TrueColourScreen) {
    return LoadCursorEntry(Write(name, bytes), index, cursor_, depth);
  }

  // The current cursor stamped at (0, 0) on a teal picture of its size.
  PixelBuffer Stamped() {
    Picture target;
    EXPECT_TRUE(target.Assign(PixelBuffer(cursor_.xorColour.Width(), cursor_.xorColour.Height(), Teal)));
    cursor_.combineWithOr = cursor_.fromBitmap;  // as the preview sets it
    StampCursor(target, cursor_.andMask, cursor_.xorColour, {0, 0}, cursor_.combineWithOr);
    return target.ToPixelBuffer();
  }

  TempFolder folder_{"cursor entries"};
  CurrentCursor cursor_;
};

// Four 8-pixel bands of a 1-bit 32 x 32 cursor: opaque black, opaque white, transparent, inverting.
Bytes Bands(std::uint16_t hotX = 0, std::uint16_t hotY = 0) {
  const InfoHeader header{32, 64, 1};
  const Bytes xorRows = Rows(32, 32, 1, [](int x, int) { return x / 8 % 2; });
  const Bytes andRows = Rows(32, 32, 1, [](int x, int) { return x >= 16; });
  return IconDirectory(2, {{EntryImage(header, {Black, White}, xorRows, andRows), hotX, hotY}});
}

TEST_F(LoadCursorEntryTest, ResultsHotSpotsAndCounts) {
  const Bytes three = IconDirectory(2, {{PlainEntry(32, 32, 4), 70, 10}, {PlainEntry(16, 16, 4)}, {PlainEntry(32, 32, 8)}});
  EXPECT_EQ(Load("three.cur", three, 5), -3);
  EXPECT_EQ(Load("three.cur", three, 0), 1);
  EXPECT_EQ(cursor_.hotSpot, (Point{0, 10}));
  EXPECT_EQ(cursor_.sourceFile, Path("three.cur"));
  EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{32, 32}));
  EXPECT_EQ(Load("three.cur", three, 2), 3);
  EXPECT_EQ(CountCursorImages(Path("three.cur")), 3);

  EXPECT_EQ(Load("icon.ico", IconDirectory(1, {{PlainEntry(32, 32, 4), 5, 7}})), 1);
  EXPECT_EQ(cursor_.hotSpot, Point{});

  Bytes programImage = three;
  programImage[0] = 'M';
  programImage[1] = 'Z';
  EXPECT_EQ(Load("x.ICO", programImage), 0);
  EXPECT_EQ(LoadCursorEntry(Path("missing.cur"), 0, cursor_, TrueColourScreen), 0);
  EXPECT_EQ(LoadCursorEntry(Path("missing.exe"), 0, cursor_, TrueColourScreen), 0);

  const Bytes frames = Animation({IconDirectory(2, {{PlainEntry(32, 32, 4), 9, 9}}), IconDirectory(1, {{PlainEntry(16, 16, 4)}})});
  EXPECT_EQ(Load("moving.ani", frames, 1), 2);
  EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{16, 16}));
  EXPECT_EQ(Load("moving.ani", frames, 0), 1);
  EXPECT_EQ(cursor_.hotSpot, Point{});  // frames keep (0, 0)
  EXPECT_EQ(Load("moving.ani", frames, 4), -2);
  EXPECT_EQ(CountCursorImages(Path("moving.ani")), 2);
}

TEST_F(LoadCursorEntryTest, ProgramFilesGoToTheSystem) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string program = AddTrailingSeparator(ParentPath(self)) + "PIKTORAN.EXE";
  EXPECT_EQ(CountCursorImages(program), 1);
  EXPECT_EQ(LoadCursorEntry(program, 9, cursor_, TrueColourScreen), -1);
  EXPECT_EQ(LoadCursorEntry(program, 0, cursor_, TrueColourScreen), 1);
  EXPECT_EQ(cursor_.sourceFile, program);
  EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)}));
  // Some of the icon is opaque.
  int opaque = 0;
  for (Pixel p : cursor_.andMask.ToPixelBuffer().pixels) opaque += p == Black;
  EXPECT_GT(opaque, 100);
}

TEST_F(LoadCursorEntryTest, ProgramFilesWithSeveralIcons) {
  const std::string four = Write("four.dll", ProgramFile(OneIconPerGroup(4)));
  EXPECT_EQ(CountCursorImages(four), 4);
  EXPECT_EQ(LoadCursorEntry(four, 9, cursor_, TrueColourScreen), -4);
  ASSERT_EQ(LoadCursorEntry(four, 1, cursor_, TrueColourScreen), 1);
  EXPECT_EQ(cursor_.xorColour.ToPixelBuffer().At(4, 4), MakePixel(0, 255, 0));

  // Tables pointing outside the file or back at themselves never reach the system.
  Bytes beyond = ProgramFile(OneIconPerGroup(2));
  Put32(beyond, SectionHeaderOffset + 16, 0x10000);
  Bytes circular = ProgramFile(OneIconPerGroup(2));
  Put32(circular, RootEntriesOffset + 12, 0x80000000);
  Bytes crowded = ProgramFile(OneIconPerGroup(2));
  crowded[ResourceFileOffset + 14] = 0xFF;
  crowded[ResourceFileOffset + 15] = 0xFF;
  // 512 names x 512 languages leading to one group of 512 icons, in 17 KB.
  const Bytes shared = ProgramFileAround(SharedGroupSection(512, 512, 512, false));
  for (const auto& [name, bytes] : {std::pair{"beyond.dll", beyond}, {"circular.exe", circular}, {"crowded.dll", crowded},
                                    {"shared (512).dll", shared}}) {
    const std::string file = Write(name, bytes);
    EXPECT_LT(LoadCursorEntry(file, 0, cursor_, TrueColourScreen), 1) << name;
    EXPECT_EQ(CountCursorImages(file), 0) << name;
  }
}

TEST_F(LoadCursorEntryTest, InvertingPixelsStayInverting) {
  ASSERT_EQ(Load("bands.cur", Bands()), 1);
  EXPECT_FALSE(cursor_.fromBitmap);
  const PixelBuffer stamped = Stamped();
  EXPECT_EQ(stamped.At(3, 5), Black);
  EXPECT_EQ(stamped.At(11, 5), White);
  EXPECT_EQ(stamped.At(19, 5), Teal);
  EXPECT_EQ(stamped.At(27, 5), MakePixel(245, 55, 195));
}

TEST_F(LoadCursorEntryTest, KeyColourBitmapsStampInTheirOwnColours) {
  const Pixel green = MakePixel(20, 180, 40);
  const Pixel nearWhite = MakePixel(254, 254, 254);
  PixelBuffer picture(32, 32, Red);
  for (int x = 0; x < 8; ++x) picture.At(x, 1) = green;
  picture.At(9, 1) = nearWhite;
  picture.At(10, 1) = White;
  const Bytes bmp = *EncodeBmp(picture);

  ASSERT_EQ(Load("picture.BMR", bmp), 1);
  EXPECT_TRUE(cursor_.fromBitmap);
  EXPECT_EQ(cursor_.sourceFile, "");
  PixelBuffer stamped = Stamped();
  EXPECT_EQ(stamped.At(3, 1), green);
  EXPECT_EQ(stamped.At(9, 1), nearWhite);
  EXPECT_EQ(stamped.At(20, 20), Teal);  // red is the key

  // White is the key of .BMP: only pure white above 8 bits, the 254s too at 8 bits.
  ASSERT_EQ(Load("picture.BMP", bmp), 1);
  stamped = Stamped();
  EXPECT_EQ(stamped.At(9, 1), nearWhite);
  EXPECT_EQ(stamped.At(10, 1), Teal);
  EXPECT_EQ(stamped.At(20, 20), Red);
  ASSERT_EQ(Load("picture.BMP", bmp, 0, 8), 1);
  stamped = Stamped();
  EXPECT_EQ(stamped.At(9, 1), Teal);
  EXPECT_EQ(stamped.At(3, 1), green);
}

TEST_F(LoadCursorEntryTest, BitmapFailures) {
  ASSERT_EQ(Load("bands.cur", Bands(3, 4)), 1);
  const Bytes bmp = *EncodeBmp(PixelBuffer(32, 32, Red));
  // Asked for a second image: nothing changes but what every call resets.
  EXPECT_EQ(Load("picture.BMP", bmp, 1), -1);
  EXPECT_EQ(cursor_.hotSpot, Point{});
  EXPECT_EQ(cursor_.sourceFile, "");
  EXPECT_FALSE(cursor_.fromBitmap);
  EXPECT_EQ(cursor_.xorColour.ToPixelBuffer().At(11, 0), White);
  EXPECT_EQ(CountCursorImages(Path("picture.BMP")), 1);

  // Undecodable: the pen glyph stands in on low-colour screens; above, the load fails.
  Bytes damaged = bmp;
  damaged.resize(20);
  EXPECT_EQ(Load("damaged.BMP", damaged, 0, 8), 1);
  EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{32, 32}));
  EXPECT_EQ(Load("damaged.BMP", damaged, 0, TrueColourScreen), -1);

  // Nothing beyond 256 x 256 on either route: on low-colour screens the pen glyph stands in.
  for (const Size size : {Size{257, 2}, Size{2, 257}}) {
    const Bytes large = *EncodeBmp(PixelBuffer(size.width, size.height, Red));
    EXPECT_EQ(Load("large.BMP", large), -1) << size.width;
    ASSERT_EQ(Load("large.BMP", large, 0, 8), 1);
    EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{32, 32})) << size.width;
  }
  ASSERT_EQ(Load("largest.BMP", *EncodeBmp(PixelBuffer(256, 256, Red)), 0, 8), 1);
  EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{256, 256}));
}

// The from-bitmap flag says how the images combine; a failed load leaves both, so a key-colour
// BMP cursor keeps its colours instead of turning them with exclusive-or (red into near black).
TEST_F(LoadCursorEntryTest, AFailedLoadLeavesABitmapCursorWhole) {
  const Bytes bmp = *EncodeBmp(PixelBuffer(32, 32, Red));
  Bytes mz = IconDirectory(1, {{PlainEntry(32, 32, 4)}});
  mz[0] = 'M';
  mz[1] = 'Z';
  Bytes refused = IconDirectory(1, {{PlainEntry(32, 32, 4)}});
  Put32(refused, 6 + 12, 0xFFFFFFF0);
  Bytes unsound = ProgramFile(OneIconPerGroup(2));
  Put32(unsound, SectionHeaderOffset + 16, 0x10000);
  const struct {
    const char* name;
    Bytes bytes;
    int index;
  } failures[] = {
      {"gone.cur", {}, 0}, {"mz (1).ico", mz, 0}, {"refused.ico", refused, 0}, {"second.BMP", bmp, 1}, {"unsound.dll", unsound, 0},
  };
  for (const auto& failure : failures) {
    ASSERT_EQ(Load("red.BMP", bmp), 1);
    const std::string file = failure.bytes.empty() ? Path(failure.name) : Write(failure.name, failure.bytes);
    EXPECT_LT(LoadCursorEntry(file, failure.index, cursor_, TrueColourScreen), 1) << failure.name;
    EXPECT_EQ(Stamped().At(3, 3), Red) << failure.name;
  }
}

// Entries of 8 bits or less go through the 16 standard colours; deeper ones keep theirs.
TEST_F(LoadCursorEntryTest, ColourDepthsOfEntries) {
  const Pixel rose = MakePixel(200, 30, 30);
  const Bytes eightBit = IconDirectory(1, {{PlainEntry(32, 32, 8, 5, {Black, Black, Black, Black, Black, rose})}});
  ASSERT_EQ(Load("eight.ico", eightBit), 1);
  EXPECT_EQ(cursor_.xorColour.ToPixelBuffer().At(4, 4), Red);

  ASSERT_EQ(Load("deep.ico", IconDirectory(1, {{PlainEntry(48, 48, 24, rose)}})), 1);
  EXPECT_EQ(cursor_.xorColour.ToPixelBuffer().At(4, 4), rose);
  EXPECT_EQ(cursor_.andMask.ToPixelBuffer().At(4, 4), Black);

  // 32 bits without a mask: opaque from alpha 128.
  const std::uint32_t alphas[] = {255, 128, 127, 0};
  const Bytes alpha = Rows(64, 64, 32, [&](int x, int) { return alphas[x / 16] << 24 | 0x3080C0; });
  ASSERT_EQ(Load("alpha.cur", IconDirectory(2, {{EntryImage({64, 128, 32}, {}, alpha, {}), 100, 63}})), 1);
  EXPECT_EQ(cursor_.hotSpot, (Point{0, 63}));
  PixelBuffer stamped = Stamped();
  EXPECT_EQ(stamped.At(5, 0), MakePixel(0x30, 0x80, 0xC0));
  EXPECT_EQ(stamped.At(20, 0), MakePixel(0x30, 0x80, 0xC0));
  EXPECT_EQ(stamped.At(40, 0), Teal);
  EXPECT_EQ(stamped.At(60, 0), Teal);

  // PNG: the same through the PNG reader, at 256 x 256.
  const Bytes png = Png(256, 256, [&](int x, int) { return alphas[x / 64] << 24 | 0x3080C0; });
  ASSERT_EQ(Load("large.ico", IconDirectory(1, {{PlainEntry(16, 16, 4)}, {png}}), 1), 2);
  EXPECT_EQ(cursor_.xorColour.GetSize(), (Size{256, 256}));
  stamped = Stamped();
  EXPECT_EQ(stamped.At(5, 9), MakePixel(0x30, 0x80, 0xC0));
  // Half transparent, the colour comes back from its blend within a step.
  for (int channel : {RedOf(stamped.At(70, 9)) - 0x30, GreenOf(stamped.At(70, 9)) - 0x80, BlueOf(stamped.At(70, 9)) - 0xC0}) {
    EXPECT_LE(std::abs(channel), 1);
  }
  EXPECT_EQ(stamped.At(140, 9), Teal);
  EXPECT_EQ(stamped.At(250, 9), Teal);
}

}  // namespace
