#include "formats/cursor_file.h"

#include <gtest/gtest.h>

#include <string>

#include "../support/cursor_file_builder.h"
#include "formats/key_colour.h"

namespace {

using namespace cursor_test;

constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Grey = MakePixel(128, 128, 128);

int Result(const Bytes& file, int index) { return PrepareCursorEntry(file, index).result; }

Bytes ThreeIcons() {
  return IconDirectory(1, {{PlainEntry(32, 32, 4)}, {PlainEntry(16, 16, 4)}, {PlainEntry(48, 48, 8)}});
}

// A frame: a one-entry icon file whose entry points right behind its directory.
Bytes Frame(int side = 32) { return IconDirectory(1, {{PlainEntry(side, side, 4)}}); }

// An animation whose frame list starts `at` bytes into the file, after a filler chunk.
Bytes AnimationWithFrameListAt(std::size_t at) {
  const Bytes before = Text("RIFF") + Bytes(4, 0) + Text("ACON") + HeaderChunk({1, 1});
  const std::size_t fillerData = at - 8 - before.size() - 8;  // "LIST" and its size precede "fram"
  Bytes file = Riff(HeaderChunk({1, 1}) + Chunk("JUNK", Bytes(fillerData, 0), {}, false) + FrameList({Frame()}));
  EXPECT_TRUE(HasTag(file, at, "framicon"));
  return file;
}

TEST(CursorFile, EntryResults) {
  const Bytes multipleFrames = Animation({Frame(), Frame(16), Frame()});
  Bytes programImage = ThreeIcons();
  programImage[0] = 'M';
  programImage[1] = 'Z';
  struct Case {
    const char* name;
    Bytes file;
    int index;
    int expected;
  };
  const Case cases[] = {
      {"first of three", ThreeIcons(), 0, 1},
      {"last of three", ThreeIcons(), 2, 3},
      {"past the last of three", ThreeIcons(), 5, -3},
      {"just past the last", ThreeIcons(), 3, -3},
      {"negative index", ThreeIcons(), -1, 0},
      {"no entries", IconDirectory(1, {}), 0, 0},
      {"program image under another name", programImage, 0, 0},
      {"frame 2 of 3", multipleFrames, 1, 2},
      {"past the last frame", multipleFrames, 7, -3},
      {"frame list at offset 1000", AnimationWithFrameListAt(1000), 0, 1},
      {"frame list at offset 1001", AnimationWithFrameListAt(1001), 0, 0},
      {"animation without frame list", Riff(HeaderChunk({1, 1})), 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Result(c.file, c.index), c.expected) << c.name;
  // The count is what a request past the last entry tells.
  EXPECT_EQ(CountImagesInCursorFile(ThreeIcons()), 3);
  EXPECT_EQ(CountImagesInCursorFile(multipleFrames), 3);
  EXPECT_EQ(CountImagesInCursorFile(programImage), 0);
  EXPECT_EQ(CountImagesInCursorFile(Text("BM") + Bytes(60, 0)), 1);
  EXPECT_EQ(CountImagesInCursorFile(AnimationWithFrameListAt(1001)), 0);
}

TEST(CursorFile, ProgramFilesGiveOneOrMinusTheirIconCount) {
  EXPECT_EQ(ProgramFileResult(false, 4), -4);  // four icons, asked for the tenth
  EXPECT_EQ(ProgramFileResult(true, 4), 1);
  EXPECT_EQ(ProgramFileResult(false, 0), 0);
  EXPECT_TRUE(IsProgramFileName("C:\\x\\Tool.exe"));
  EXPECT_TRUE(IsProgramFileName("lib.DLL"));
  EXPECT_FALSE(IsProgramFileName("C:\\prog.exe\\x.ICO"));
}

TEST(CursorFile, HotSpots) {
  struct Case {
    const char* name;
    std::uint16_t type;
    int side;
    std::uint16_t x, y;
    Point expected;
  };
  const Case cases[] = {
      {"beyond 64 becomes 0", 2, 32, 70, 10, {0, 10}},
      {"64 stays, even outside the entry", 2, 32, 64, 40, {64, 40}},
      {"inside a large entry beyond 64", 2, 128, 100, 127, {100, 127}},
      {"outside a large entry", 2, 128, 128, 300, {0, 0}},
      {"icons have none", 1, 32, 5, 7, {0, 0}},
  };
  for (const Case& c : cases) {
    const Bytes file = IconDirectory(c.type, {{PlainEntry(c.side, c.side, 4), c.x, c.y}});
    const PreparedEntry prepared = PrepareCursorEntry(file, 0);
    ASSERT_EQ(prepared.result, 1) << c.name;
    EXPECT_EQ(prepared.hotSpot, c.expected) << c.name;
  }
  // Frames never have one, even as cursor entries.
  const Bytes frame = IconDirectory(2, {{PlainEntry(32, 32, 4), 9, 9}});
  EXPECT_EQ(PrepareCursorEntry(Animation({frame}), 0).hotSpot, Point{});
}

// The rebuilt file: directory header, one entry from the info header (not from the file's own
// directory), the info block with the image size of the XOR and AND rows, those rows only.
TEST(CursorFile, RebuiltOneEntryIconIsExact) {
  struct Case {
    int width, height, bitCount;
    std::uint8_t colourCount;
  };
  for (const Case c : {Case{16, 8, 4, 16}, Case{24, 24, 8, 0}}) {
    const Bytes xorRows = Rows(c.width, c.height, c.bitCount, [](int x, int y) { return (x + y) % 16; });
    const Bytes andRows = Rows(c.width, c.height, 1, [](int x, int) { return x % 2; });
    InfoHeader header{c.width, 2 * c.height, static_cast<std::uint16_t>(c.bitCount)};
    header.imageSize = 12345;
    const Bytes image = EntryImage(header, {Red, Grey}, xorRows, andRows);
    DirectoryEntry entry{image + Bytes(50, 0xEE), 3, 4, 99, 77, 5};
    const Bytes file = IconDirectory(2, {entry});

    header.imageSize = static_cast<std::uint32_t>(xorRows.size() + andRows.size());
    const Bytes block(image.begin() + 40, image.end() - static_cast<std::ptrdiff_t>(xorRows.size() + andRows.size()));
    const Bytes data = HeaderBytes(header) + block + xorRows + andRows;
    Bytes expected{0, 0, 1, 0, 1, 0, static_cast<std::uint8_t>(c.width), static_cast<std::uint8_t>(c.height),
                   c.colourCount, 0, 0, 0, 0, 0};
    Append32(expected, static_cast<std::uint32_t>(data.size()));
    Append32(expected, 22);
    expected = expected + data;

    const PreparedEntry prepared = PrepareCursorEntry(file, 0);
    ASSERT_TRUE(prepared.entry) << c.bitCount;
    EXPECT_EQ(prepared.entry->iconFile, expected) << c.bitCount;
    EXPECT_EQ(prepared.entry->drawing, EntryDrawing::SixteenColours);
    EXPECT_EQ(prepared.entry->size, (Size{c.width, c.height}));
  }
}

TEST(CursorFile, KeyColourTable) {
  const std::pair<const char*, KeyColour> cases[] = {
      {"a.BMB", {MakePixel(0, 0, 255), false}},
      {"a.BMG", {MakePixel(0, 128, 0), false}},
      {"a.bmk", {Black, false}},
      {"a.BMM", {MakePixel(128, 0, 0), false}},
      {"C:\\cursors\\picture.BMR", {Red, false}},
      {"a.BMY", {MakePixel(255, 255, 0), false}},
      {"a.BMRX", {Red, false}},
      {"picture.BMP", {White, true}},
      {"a.BM", {White, true}},
      {"C:\\x.BMR\\noextension", {White, true}},
      {"\x95\x5C.BMR", {Red, false}},  // the second byte of a two-byte character is no separator
  };
  for (const auto& [name, key] : cases) EXPECT_EQ(KeyColourOf(name), key) << name;
}

TEST(CursorFile, KeyColourMatching) {
  const Pixel nearWhite = MakePixel(254, 254, 254);
  const Pixel almost = MakePixel(253, 254, 254);
  PixelBuffer picture(5, 1);
  picture.pixels = {White, nearWhite, almost, Red, MakePixel(254, 0, 0)};
  struct Case {
    KeyColour key;
    int depth;
    std::vector<Pixel> andMask, xorColour;
  };
  const Case cases[] = {
      // White on a low-colour screen: 254s count too; the mask is black and white.
      {{White, true}, 8, {White, White, Black, Black, Black}, {Black, Black, almost, Red, MakePixel(254, 0, 0)}},
      // Above 8 bits only pure white, and the mask keeps the other pixels' colours.
      {{White, true}, 24, {White, nearWhite, almost, Red, MakePixel(254, 0, 0)},
       {Black, nearWhite, almost, Red, MakePixel(254, 0, 0)}},
      // Other keys match exactly at any depth.
      {{Red, false}, 8, {Black, Black, Black, White, Black}, {White, nearWhite, almost, Black, MakePixel(254, 0, 0)}},
  };
  for (const Case& c : cases) {
    const MaskAndColour pictures = KeyColourPictures(picture, c.key, c.depth);
    EXPECT_EQ(pictures.andMask.pixels, c.andMask) << c.depth;
    EXPECT_EQ(pictures.xorColour.pixels, c.xorColour) << c.depth;
  }
}

// A deeper entry's rebuilt rows (bottom-up) as 0xAARRGGBB values, and its rebuilt mask bits.
std::uint32_t RebuiltColour(const IconEntry& entry, int x, int y) {
  const std::size_t at = 22 + 40 + ((entry.size.height - 1 - y) * entry.size.width + x) * 4;
  return *ReadU32(entry.iconFile, at);
}
bool RebuiltMaskBit(const IconEntry& entry, int x, int y) {
  const std::size_t stride = (entry.size.width + 31) / 32 * 4;
  const std::size_t at = 22 + 40 + entry.size.width * entry.size.height * 4 + (entry.size.height - 1 - y) * stride;
  return (entry.iconFile[at + x / 8] >> (7 - x % 8)) & 1;
}

TEST(CursorFile, DeeperEntries) {
  // 32 bits, 4 x 1: red through alpha 255, 128, 127 and 0.
  const std::uint32_t alphas[] = {255, 128, 127, 0};
  const Bytes colour = Rows(4, 1, 32, [&](int x, int) { return alphas[x] << 24 | 0xFF0000; });
  const InfoHeader header{4, 2, 32};
  struct Case {
    const char* name;
    Bytes andRows;
    std::vector<bool> transparent;
    std::vector<std::uint32_t> colours;
  };
  const std::uint32_t red = 0xFF0000;
  const Case cases[] = {
      {"mask missing: alpha from 128", {}, {false, false, true, true}, {red, red, 0, 0}},
      {"mask all opaque: alpha from 128", Uniform(4, 1, 1, 0), {false, false, true, true}, {red, red, 0, 0}},
      {"mask usable: the mask decides", Rows(4, 1, 1, [](int x, int) { return x == 0; }), {true, false, false, false},
       {0, red, red, red}},
  };
  for (const Case& c : cases) {
    const std::optional<IconEntry> entry = RebuildIconEntry(EntryImage(header, {}, colour, c.andRows), 0);
    ASSERT_TRUE(entry) << c.name;
    EXPECT_EQ(entry->drawing, EntryDrawing::TrueColour);
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(RebuiltMaskBit(*entry, x, 0), c.transparent[x]) << c.name << x;
      EXPECT_EQ(RebuiltColour(*entry, x, 0), c.colours[x]) << c.name << x;  // no alpha left
    }
  }
  // Without alpha and mask the square is opaque, and a classic mask keeps its inverting pixels.
  const Bytes opaque = Uniform(4, 1, 32, red);
  const std::optional<IconEntry> plain = RebuildIconEntry(EntryImage(header, {}, opaque, {}), 0);
  ASSERT_TRUE(plain);
  EXPECT_FALSE(RebuiltMaskBit(*plain, 3, 0));
  const std::optional<IconEntry> inverting = RebuildIconEntry(EntryImage(header, {}, opaque, Uniform(4, 1, 1, 1)), 0);
  ASSERT_TRUE(inverting);
  EXPECT_TRUE(RebuiltMaskBit(*inverting, 0, 0));
  EXPECT_EQ(RebuiltColour(*inverting, 0, 0), red);

  // 16 and 24 bits are copied as they are, and need their mask.
  for (int bits : {16, 24}) {
    const Bytes image = PlainEntry(256, 256, bits, 0x123456);
    const std::optional<IconEntry> entry = RebuildIconEntry(image, 0);
    ASSERT_TRUE(entry) << bits;
    EXPECT_EQ(entry->size, (Size{256, 256}));
    EXPECT_TRUE(std::equal(image.begin() + 40, image.end(), entry->iconFile.begin() + 62)) << bits;
    EXPECT_FALSE(RebuildIconEntry(Bytes(image.begin(), image.end() - 1), 0)) << bits;
  }
  EXPECT_FALSE(RebuildIconEntry(PlainEntry(257, 16, 24), 0));

  // A PNG entry goes to the decoder as it is (as long as its directory entry says), with its size
  // from its header.
  Bytes png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0, 0, 1, 0, 0, 0, 0, 48};
  png.resize(60, 0xAB);
  DirectoryEntry pngEntry{png + Bytes(7, 0)};
  pngEntry.size = 60;
  const std::optional<IconEntry> entry = PrepareCursorEntry(IconDirectory(1, {pngEntry}), 0).entry;
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->drawing, EntryDrawing::Blended);
  EXPECT_EQ(entry->size, (Size{256, 48}));
  EXPECT_EQ(Bytes(entry->iconFile.begin() + 22, entry->iconFile.end()), png);
  EXPECT_EQ(entry->iconFile[6], 0);  // 256 wide
  pngEntry.size = 68;  // more than the file holds
  EXPECT_EQ(PrepareCursorEntry(IconDirectory(1, {pngEntry}), 0).result, -1);
}

Bytes WithHeader(InfoHeader header) {
  return IconDirectory(1, {{EntryImage(header, {}, Uniform(32, 32, 4, 1), Uniform(32, 32, 1, 0))}});
}

Bytes Anih(AnimationHeader header) { return Riff(HeaderChunk(header) + FrameList({Frame()})); }

// Damaged and crafted files: each is refused (a result below 1) at every index, without reading
// past its bytes (the sanitizers watch) and without hanging.
TEST(CursorFile, HostileFilesAreRefused) {
  Bytes shortDirectory = ThreeIcons();
  shortDirectory.resize(6 + 16 * 2);
  Bytes offsetOutside{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0, 0};
  DirectoryEntry wrapping{PlainEntry(32, 32, 4)};
  wrapping.offset = 0xFFFFFFF0;
  wrapping.size = 0x20;
  const Bytes frame = Frame();
  const Bytes frameChunk = Chunk("icon", frame);
  const Bytes oversizedFrame = Chunk("LIST", Text("fram") + Text("icon") + Bytes{0xF8, 0xFF, 0xFF, 0xFF} + frame);
  Bytes emptyChunks;
  for (int i = 0; i < 5000; ++i) emptyChunks = emptyChunks + Chunk("JUNK", {});
  Bytes truncated = Riff(HeaderChunk({2, 2}) + FrameList({frame, frame}));
  truncated.resize(truncated.size() - 10);
  Bytes noFrameDirectory = frame;
  noFrameDirectory[4] = 0;

  struct Case {
    std::string name;
    Bytes file;
  };
  std::vector<Case> cases = {
      {"1 shorter than a directory header", {0, 0, 1, 0, 1}},
      {"1 directory past the end", shortDirectory},
      {"2 offset outside a 22-byte file", offsetOutside},
      {"3 offset and size wrap", IconDirectory(1, {wrapping})},
      {"6 height 0", WithHeader({32, 0})},
      {"6 odd height", WithHeader({32, 63})},
      {"6 negative height", WithHeader({32, -64})},
      {"7 bit count 0", WithHeader({32, 64, 0})},
      {"7 bit count 3", WithHeader({32, 64, 3})},
      {"7 bit count 64", WithHeader({32, 64, 64})},
      {"9 colours used huge", WithHeader({32, 64, 4, 40, 0, 0, 0xFFFFFFFF})},
      {"9 more colours than the bit count has", WithHeader({32, 64, 4, 40, 0, 0, 17})},
      {"10 width 2^31 - 1", WithHeader({0x7FFFFFFF, 64})},
      {"10 height 2^31 - 2", WithHeader({32, 0x7FFFFFFE})},
      {"compressed bitmap", WithHeader({32, 64, 4, 40, 2})},
      {"12 header of 40 bytes", Riff(HeaderChunk({1, 1}, 40) + FrameList({frame}))},
      {"13 header of 20 bytes", Riff(HeaderChunk({1, 1}, 20) + FrameList({frame}))},
      {"13 header cut off", Riff(FrameList({frame}) + Text("anih") + Bytes{36, 0, 0, 0} + Bytes(10, 1))},
      {"13 no header", Riff(FrameList({frame}))},
      {"14 second header", Riff(HeaderChunk({1, 1}) + FrameList({frame}) + HeaderChunk({1, 1}))},
      {"15 no frames", Anih({0, 1})},
      {"15 display rate 0", Anih({1, 1, 0})},
      {"16 frames 2^32 - 1", Anih({0xFFFFFFFF, 1})},
      {"16 steps 2^32 - 1", Anih({1, 0xFFFFFFFF})},
      {"17 sequence shorter than the steps", Riff(HeaderChunk({1, 2, 10, 3}) + Chunk("seq ", Bytes(4, 0)) + FrameList({frame}))},
      {"17 sequence beyond the frames", Riff(HeaderChunk({1, 1, 10, 3}) + Chunk("seq ", {1, 0, 0, 0}) + FrameList({frame}))},
      {"17 rates shorter than the steps", Riff(HeaderChunk({1, 1}) + Chunk("rate", {1, 0}) + FrameList({frame}))},
      {"17 sequence flag without sequence", Anih({1, 1, 10, 3})},
      {"18 list shorter than its frames", Riff(HeaderChunk({2, 2}) + FrameList({frame, frame}, 4 + frameChunk.size()))},
      {"18 file ends inside the last frame", truncated},
      {"19 frame length 2^32 - 8", Riff(HeaderChunk({1, 1}) + oversizedFrame)},
      {"19 chunk length 2^32 - 1 before the header", Riff(Chunk("JUNK", {}, 0xFFFFFFFF) + HeaderChunk({1, 1}) + FrameList({frame}))},
      {"20 thousands of empty chunks", Riff(HeaderChunk({1, 1}) + FrameList({frame}) + emptyChunks)},
      {"22 fewer frames than announced", Anih({3, 3})},
      {"23 raw frames", Anih({1, 1, 10, 0})},
      {"23 unknown flags", Anih({1, 1, 10, 5})},
      {"23 frame directory without entries", Animation({noFrameDirectory})},
      {"23 damaged frame", Animation({WithHeader({32, 63})})},
      {"not a RIFF form", Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'A', 'C', 'O', 'N'} + HeaderChunk({1, 1}) + FrameList({frame})},
  };
  for (std::uint32_t size : {0u, 11u, 12u, 13u, 26u, 39u, 41u, 107u, 109u, 116u, 123u, 125u, 0xDEADBEEFu, 0xFFFFFFFFu}) {
    InfoHeader header;
    header.headerSize = size;
    cases.push_back({"8 header size " + std::to_string(size), WithHeader(header)});
  }
  for (const Case& c : cases) {
    for (int index = 0; index < 3; ++index) EXPECT_LT(Result(c.file, index), 1) << c.name << ", index " << index;
  }

  // 4: entries with impossible offsets are refused one by one; the good one still loads.
  DirectoryEntry lost{PlainEntry(32, 32, 4)};
  lost.offset = 0xFFFFFFFF;
  const Bytes mixed = IconDirectory(1, {lost, lost, lost, {PlainEntry(32, 32, 4)}});
  EXPECT_EQ(Result(mixed, 0), -1);
  EXPECT_EQ(Result(mixed, 2), -3);
  EXPECT_EQ(Result(mixed, 3), 4);
}

// 21: frames of odd length are read whether their writer padded them or not.
TEST(CursorFile, OddFramesWithAndWithoutPadding) {
  const Bytes odd = Frame() + Bytes{0};
  for (bool pad : {true, false}) {
    const Bytes list = Chunk("LIST", Text("fram") + Chunk("icon", odd, {}, pad) + Chunk("icon", odd, {}, pad));
    const Bytes file = Riff(HeaderChunk({2, 2}) + list);
    EXPECT_EQ(Result(file, 1), 2) << pad;
    EXPECT_EQ(CountImagesInCursorFile(file), 2) << pad;
  }
}

TEST(CursorFile, SplittingDrawnIcons) {
  PixelBuffer overBlack(4, 1), overWhite(4, 1);
  // opaque red, transparent, inverting white, inverting red
  overBlack.pixels = {Red, Black, White, Red};
  overWhite.pixels = {Red, White, Black, MakePixel(0, 255, 255)};
  const MaskAndColour masked = SplitOverBlackAndWhite(overBlack, overWhite);
  EXPECT_EQ(masked.andMask.pixels, (std::vector<Pixel>{Black, White, White, White}));
  EXPECT_EQ(masked.xorColour.pixels, overBlack.pixels);

  // Red through alpha 255, 128, 127 and 0: colour x alpha over black, plus 255 - alpha over white.
  overBlack.pixels = {Red, MakePixel(128, 0, 0), MakePixel(127, 0, 0), Black};
  overWhite.pixels = {Red, MakePixel(255, 127, 127), MakePixel(255, 128, 128), White};
  const MaskAndColour blended = SplitBlended(overBlack, overWhite);
  EXPECT_EQ(blended.andMask.pixels, (std::vector<Pixel>{Black, Black, White, White}));
  EXPECT_EQ(blended.xorColour.pixels, (std::vector<Pixel>{Red, Red, Black, Black}));

  // Two 3-pixel rows of 4-bit indexes, high nibble first, rows padded to 4 bytes.
  const Bytes rows{0x1F, 0x70, 0xEE, 0xEE, 0x89, 0xC0, 0, 0};
  const PixelBuffer expanded = ExpandSixteenColourRows(rows, 3, 2);
  EXPECT_EQ(expanded.pixels, (std::vector<Pixel>{MakePixel(128, 0, 0), White, MakePixel(192, 192, 192), Grey, Red,
                                                 MakePixel(0, 0, 255)}));
  EXPECT_TRUE(ExpandSixteenColourRows(Bytes(7, 0), 3, 2).Empty());
}

}  // namespace
