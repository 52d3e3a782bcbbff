#include "formats/bmp_format.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel Red = MakePixel(255, 0, 0);
constexpr Pixel Green = MakePixel(0, 255, 0);
constexpr Pixel Blue = MakePixel(0, 0, 255);
constexpr Pixel White = MakePixel(255, 255, 255);

void Put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value);
  Put16(bytes, at + 2, value >> 16);
}

std::uint32_t Get32(const Bytes& bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// A BMP file with a 40-byte info header. `tables` follow the header as 32-bit words (palette
// entries 0x00RRGGBB, or the three bit-field masks); biClrUsed counts them for palette formats.
Bytes Bmp(int width, int height, int bitCount, std::uint32_t compression, const std::vector<std::uint32_t>& tables,
          const Bytes& bits) {
  Bytes file(54 + tables.size() * 4);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 10, static_cast<std::uint32_t>(file.size()));
  Put32(file, 14, 40);
  Put32(file, 18, static_cast<std::uint32_t>(width));
  Put32(file, 22, static_cast<std::uint32_t>(height));
  Put16(file, 26, 1);
  Put16(file, 28, static_cast<std::uint32_t>(bitCount));
  Put32(file, 30, compression);
  if (bitCount <= 8) Put32(file, 46, static_cast<std::uint32_t>(tables.size()));
  for (std::size_t i = 0; i < tables.size(); ++i) Put32(file, 54 + i * 4, tables[i]);
  file.insert(file.end(), bits.begin(), bits.end());
  Put32(file, 2, static_cast<std::uint32_t>(file.size()));
  return file;
}

PixelBuffer Picture(int width, int height, std::vector<Pixel> pixels) {
  PixelBuffer picture(width, height);
  picture.pixels = std::move(pixels);
  return picture;
}

// A 2×2 24-bit picture (red, green / blue, white), rows bottom-up and padded to 4 bytes.
Bytes TwoByTwo() {
  return Bmp(2, 2, 24, 0, {}, {255, 0, 0, 255, 255, 255, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0});
}
const PixelBuffer TwoByTwoPicture = Picture(2, 2, {Red, Green, Blue, White});

TEST(BmpEncode, RoundTripKeepsEveryPixel) {
  PixelBuffer picture(5, 3);  // odd width: rows need padding
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) picture.At(x, y) = MakePixel(x * 50, y * 100, (x * 7 + y * 31) & 0xFF);
  }
  const std::optional<Bytes> file = EncodeBmp(picture);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 54u + 16u * 3u);
  EXPECT_EQ(Get32(*file, 2), file->size());    // bfSize
  EXPECT_EQ(Get32(*file, 10), 54u);            // bits right after the info header
  EXPECT_EQ(Get32(*file, 22), 3u);             // positive height: bottom-up
  EXPECT_EQ((*file)[28], 24);
  // The first stored row is the bottom one, in B, G, R order.
  EXPECT_EQ((*file)[54 + 2], RedOf(picture.At(0, 2)));
  EXPECT_EQ((*file)[54 + 1], GreenOf(picture.At(0, 2)));

  const BmpDecoded decoded = DecodeBmp(*file);
  EXPECT_EQ(decoded.error, BmpError::None);
  EXPECT_TRUE(decoded.complete);
  EXPECT_EQ(decoded.picture, picture);
}

TEST(BmpEncode, WritesNothingTheReaderWouldRefuse) {
  EXPECT_FALSE(EncodeBmp(PixelBuffer()));
  EXPECT_TRUE(EncodeBmp(PixelBuffer(MaxBmpSide, 1)));
  EXPECT_FALSE(EncodeBmp(PixelBuffer(MaxBmpSide + 1, 1)));
  EXPECT_FALSE(EncodeBmp(PixelBuffer(1, MaxBmpSide + 1)));
  // Refused on its size alone: the pixels are never looked at.
  PixelBuffer overCap;
  overCap.width = 8192;
  overCap.height = 8193;
  EXPECT_FALSE(EncodeBmp(overCap));
}

// Header fields the writer's offset correction reads; everything else is zero.
struct OffsetCase {
  const char* name;
  std::uint32_t headerSize;
  std::uint32_t pixelOffset;
  std::uint32_t colorsUsed;
  std::int32_t width;
  std::int32_t height;
  int bitCount;
  std::size_t bufferSize;
  std::uint32_t expectedOffset;
};

class BmpOffsetCorrection : public testing::TestWithParam<OffsetCase> {};

TEST_P(BmpOffsetCorrection, WritesTheOffsetOnlyWhenTheTableAndBitsFit) {
  const OffsetCase& c = GetParam();
  Bytes file(c.bufferSize);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 10, c.pixelOffset);
  Put32(file, 14, c.headerSize);
  Put32(file, 18, static_cast<std::uint32_t>(c.width));
  Put32(file, 22, static_cast<std::uint32_t>(c.height));
  Put16(file, 28, static_cast<std::uint32_t>(c.bitCount));
  Put32(file, 46, c.colorsUsed);
  Bytes expected = file;
  Put32(expected, 10, c.expectedOffset);
  CorrectBmpPixelOffset(file);
  EXPECT_EQ(file, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpOffsetCorrection,
    testing::Values(
        // 16 four-byte entries after a 40-byte header: 14 + 40 + 64; 8×8 at 4 bits needs 32 more.
        OffsetCase{"SixteenColours", 40, 54, 16, 8, 8, 4, 118 + 32, 118},
        OffsetCase{"NoColourTable", 40, 54, 0, 8, 8, 4, 118 + 32, 54},
        OffsetCase{"BitsWouldNotFit", 40, 54, 16, 8, 8, 4, 118 + 31, 54},
        OffsetCase{"OffsetAlreadyPastTable", 40, 118, 16, 8, 8, 4, 118 + 32, 118},
        OffsetCase{"TopDownNeedsItsBitsToo", 40, 54, 16, 8, -8, 4, 118 + 31, 54},
        OffsetCase{"ThreeByteEntriesOfShortHeader", 12, 26, 2, 8, 8, 1, 200, 32},
        OffsetCase{"HugeColourCountDoesNotWrap", 40, 54, 0xFFFFFFFF, 8, 8, 4, 200, 54},
        // 32-bit signed, this product wraps to a small number; 64-bit it does not fit.
        OffsetCase{"HugeBitsDoNotWrap", 40, 54, 2, 65536, 65536, 32, 200, 54},
        OffsetCase{"SidesAndBitCountOutOfAnyBmp", 40, 54, 2, INT_MIN, INT_MIN, 65535, 200, 54},
        // Would fit the buffer, but no BMP is that wide: left for the reader to refuse.
        OffsetCase{"WiderThanAnyBmp", 40, 54, 2, MaxBmpSide + 1, 1, 8, 62 + MaxBmpSide + 1, 54},
        OffsetCase{"ShorterThanHeaders", 40, 54, 16, 1, 1, 4, 53, 54}),
    [](const testing::TestParamInfo<OffsetCase>& info) { return std::string(info.param.name); });

struct FormatCase {
  const char* name;
  Bytes file;
  PixelBuffer expected;
};

class BmpDecodeFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(BmpDecodeFormat, GivesTheStoredPixels) {
  const BmpDecoded decoded = DecodeBmp(GetParam().file);
  EXPECT_EQ(decoded.error, BmpError::None);
  EXPECT_TRUE(decoded.complete);
  EXPECT_EQ(decoded.picture, GetParam().expected);
}

Bytes With32(Bytes file, std::size_t at, std::uint32_t value) {
  Put32(file, at, value);
  return file;
}

Bytes With16(Bytes file, std::size_t at, std::uint32_t value) {
  Put16(file, at, value);
  return file;
}

// The same file with its rows stored top-down.
Bytes TopDown(Bytes file) { return With32(file, 22, static_cast<std::uint32_t>(-static_cast<std::int32_t>(Get32(file, 22)))); }

// RLE8: run of 2 × index 1, end of line; absolute run 1, 2, 1 (padded); end of bitmap.
Bytes Rle8() { return Bmp(3, 2, 8, 1, {Black, Red, Blue}, {2, 1, 0, 0, 0, 3, 1, 2, 1, 0, 0, 1}); }
// RLE4: run of 3 alternating 1, 2; end of line; absolute run 2, 1, 2; end of bitmap.
Bytes Rle4() { return Bmp(3, 2, 4, 2, {Black, Red, Blue}, {3, 0x12, 0, 0, 0, 3, 0x21, 0x20, 0, 1}); }

Bytes Core8() {
  // 12-byte header, 3-byte palette entries: white, red; two rows of one pixel.
  Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 32, 0, 0, 0, 12, 0, 0, 0, 1, 0, 2, 0, 1, 0, 8, 0,
                255, 255, 255, 0, 0, 255, 1, 0, 0, 0, 0, 0, 0, 0};
  Put32(file, 2, static_cast<std::uint32_t>(file.size()));
  return file;
}

Bytes V5Header32() {
  // 124-byte header with bit fields in the header itself: masks at offset 54 as for 40 bytes.
  Bytes file(14 + 124);
  file[0] = 'B';
  file[1] = 'M';
  Put32(file, 10, static_cast<std::uint32_t>(file.size()));
  Put32(file, 14, 124);
  Put32(file, 18, 1);
  Put32(file, 22, 1);
  Put16(file, 26, 1);
  Put16(file, 28, 32);
  Put32(file, 30, 3);
  Put32(file, 54, 0x000000FF);  // red in the low byte
  Put32(file, 58, 0x0000FF00);
  Put32(file, 62, 0x00FF0000);
  file.insert(file.end(), {0x10, 0x20, 0x30, 0xFF});
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, BmpDecodeFormat,
    testing::Values(
        FormatCase{"Plain24", TwoByTwo(), TwoByTwoPicture},
        FormatCase{"TopDown24", TopDown(TwoByTwo()), Picture(2, 2, {Blue, White, Red, Green})},
        FormatCase{"Palette1", Bmp(3, 1, 1, 0, {Black, White}, {0b10100000, 0, 0, 0}), Picture(3, 1, {White, Black, White})},
        FormatCase{"Palette4", Bmp(3, 1, 4, 0, {Black, Red, Green}, {0x12, 0x00, 0, 0}), Picture(3, 1, {Red, Green, Black})},
        FormatCase{"Palette8", Bmp(2, 1, 8, 0, {Black, Red, Blue}, {2, 1, 0, 0}), Picture(2, 1, {Blue, Red})},
        FormatCase{"Rgb555", Bmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}), Picture(2, 1, {Red, Blue})},
        FormatCase{"BitFields565", Bmp(2, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x00, 0xF8}),
                   Picture(2, 1, {Green, Red})},
        FormatCase{"Rgb32", Bmp(1, 1, 32, 0, {}, {0x30, 0x20, 0x10, 0xFF}), Picture(1, 1, {MakePixel(0x10, 0x20, 0x30)})},
        FormatCase{"Core8", Core8(), Picture(1, 2, {White, Red})},
        FormatCase{"V5BitFields32", V5Header32(), Picture(1, 1, {MakePixel(0x10, 0x20, 0x30)})},
        FormatCase{"Rle8", Rle8(), Picture(3, 2, {Red, Blue, Red, Red, Red, Black})},
        FormatCase{"Rle4", Rle4(), Picture(3, 2, {Blue, Red, Blue, Red, Blue, Red})},
        // Browsers show top-down RLE files: the first line in the stream is the top one.
        FormatCase{"TopDownRle8", TopDown(Rle8()), Picture(3, 2, {Red, Red, Black, Red, Blue, Red})},
        FormatCase{"TopDownRle4", TopDown(Rle4()), Picture(3, 2, {Red, Blue, Red, Blue, Red, Blue})}),
    [](const testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.name); });

// Hostile files: each is either refused with the named reason or decoded without reading or
// writing out of bounds (ASan would say so).
struct HostileCase {
  const char* name;
  Bytes file;
  BmpError error;
  bool complete;
};

class BmpDecodeHostile : public testing::TestWithParam<HostileCase> {};

TEST_P(BmpDecodeHostile, EndsAsTheSafeOutcome) {
  const HostileCase& c = GetParam();
  const BmpDecoded decoded = DecodeBmp(c.file);
  EXPECT_EQ(decoded.error, c.error);
  EXPECT_EQ(decoded.complete, c.complete);
  EXPECT_EQ(decoded.picture.Empty(), c.error != BmpError::None);
}

Bytes Truncated(Bytes file, std::size_t size) {
  file.resize(size);
  return file;
}

// Header claims huge dimensions; a handful of RLE bytes follow.
Bytes HugeRle(std::uint32_t width, std::uint32_t height) {
  return With32(With32(Bmp(1, 1, 8, 1, {Black}, {0, 1}), 18, width), 22, height);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BmpDecodeHostile,
    testing::Values(
        HostileCase{"NotBm", With16(TwoByTwo(), 0, 'P' | 'K' << 8), BmpError::NotBmp, false},
        HostileCase{"CutInsideInfoHeader", Truncated(TwoByTwo(), 30), BmpError::NotBmp, false},
        HostileCase{"OffsetInsideHeader", With32(TwoByTwo(), 10, 20), BmpError::BadPixelOffset, false},
        HostileCase{"OffsetPastEnd", With32(TwoByTwo(), 10, 0x7FFFFFF0), BmpError::BadPixelOffset, false},
        HostileCase{"OffsetInsidePalette", With32(Bmp(2, 1, 8, 0, {Red, Green, Blue}, {2, 1, 0, 0}), 10, 58),
                    BmpError::None, true},
        HostileCase{"ReallyBig", With32(With32(TwoByTwo(), 18, 3000000), 22, 2000000), BmpError::TooLarge, false},
        HostileCase{"Width65536", With32(TwoByTwo(), 18, 65536), BmpError::TooLarge, false},
        HostileCase{"Height65536", With32(TwoByTwo(), 22, 65536), BmpError::TooLarge, false},
        HostileCase{"Width2Pow30", With32(TwoByTwo(), 18, 1073741824), BmpError::TooLarge, false},
        HostileCase{"NegativeWidth", With32(TwoByTwo(), 18, static_cast<std::uint32_t>(-2)), BmpError::BadSize, false},
        HostileCase{"ZeroHeight", With32(TwoByTwo(), 22, 0), BmpError::BadSize, false},
        HostileCase{"HeightIntMin", With32(TwoByTwo(), 22, static_cast<std::uint32_t>(INT_MIN)), BmpError::BadSize, false},
        HostileCase{"BitCount30000", With16(TwoByTwo(), 28, 30000), BmpError::UnsupportedFormat, false},
        HostileCase{"BitCount0", With16(TwoByTwo(), 28, 0), BmpError::UnsupportedFormat, false},
        HostileCase{"JpegCompression", With32(TwoByTwo(), 30, 4), BmpError::UnsupportedFormat, false},
        HostileCase{"Rle8At24Bits", With32(TwoByTwo(), 30, 1), BmpError::UnsupportedFormat, false},
        HostileCase{"PlanesTwo", With16(TwoByTwo(), 26, 2), BmpError::None, true},
        HostileCase{"HeaderSize66", With32(TwoByTwo(), 14, 66), BmpError::UnknownHeader, false},
        HostileCase{"HeaderSizeAllOnes", With32(TwoByTwo(), 14, 0xFFFFFFFF), BmpError::UnknownHeader, false},
        HostileCase{"SizesClaimGigabytes", With32(With32(TwoByTwo(), 2, 0xFFFFFFFF), 34, 0xFFFFFFFF), BmpError::None, true},
        HostileCase{"ColourCountHuge", With32(Bmp(2, 1, 8, 0, {Red}, {0, 0, 0, 0}), 46, 305402420), BmpError::None, true},
        HostileCase{"BitFieldsMasksMissing", Truncated(Bmp(1, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {}), 58),
                    BmpError::NotBmp, false},
        HostileCase{"HugeRle", HugeRle(0x7FFF, 0x7FFF), BmpError::TooLarge, false},
        HostileCase{"RleWithoutEnd", Bmp(2, 1, 8, 1, {Red}, {2, 0}), BmpError::None, false},
        HostileCase{"RleDeltaCut", Bmp(2, 2, 8, 1, {Red}, {1, 0, 0, 2, 1}), BmpError::None, false},
        HostileCase{"RleAbsoluteCut", Bmp(8, 1, 8, 1, {Red}, {0, 6, 0, 0}), BmpError::None, false},
        HostileCase{"CutMidBitmap", Truncated(TwoByTwo(), 54 + 10), BmpError::None, false},
        // A few bytes that claim 8192 × 8192 are a damaged file, not 256 MB of black.
        HostileCase{"ClaimsHugeWithBitsShortOfARow",
                    With32(With32(Bmp(1, 1, 24, 0, {}, {1, 2, 3, 0}), 18, 8192), 22, 8192), BmpError::NoPixelData, false},
        HostileCase{"TopDownShortOfARow", TopDown(Truncated(TwoByTwo(), 54 + 7)), BmpError::NoPixelData, false},
        HostileCase{"RleOnlyEndCode", HugeRle(8192, 8192), BmpError::NoPixelData, false},
        HostileCase{"RleDrawingOnlyOutside", Bmp(2, 1, 8, 1, {Red}, {0, 2, 5, 0, 3, 0, 0, 1}), BmpError::NoPixelData, false},
        HostileCase{"RleCutBeforeAnyPixel", Bmp(2, 2, 8, 1, {Red}, {0, 2, 1}), BmpError::NoPixelData, false}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

TEST(BmpDecodeHostilePixels, PaletteIndexBeyondTheColourCountIsBlack) {
  // Two colours in the table, indexes 1 and 5 in the bits.
  const BmpDecoded decoded = DecodeBmp(Bmp(2, 1, 8, 0, {Red, Green}, {1, 5, 0, 0}));
  EXPECT_EQ(decoded.picture, Picture(2, 1, {Green, Black}));
}

TEST(BmpDecodeHostilePixels, ColourTableOverlappingTheBitsKeepsOnlyTheEntriesBefore) {
  // The bits start after the first of three entries: index 0 is still red, 1 and 2 are black.
  const BmpDecoded decoded = DecodeBmp(With32(Bmp(3, 1, 8, 0, {Red, Green, Blue}, {0, 1, 2, 0}), 10, 58));
  EXPECT_EQ(decoded.picture.At(0, 0), Red);
  EXPECT_EQ(decoded.picture.At(1, 0), Black);
}

TEST(BmpDecodeHostilePixels, RleWritesAreClippedToThePicture) {
  const Pixel R = Red;
  const Pixel K = Black;
  // 3 × 2 picture. A run of 200 spills past the row end, an absolute run of 5 does too, a delta
  // jumps above the top, and 52 more lines follow: nothing outside the picture is touched and
  // the next line starts clean.
  Bytes rle = {200, 1, 0, 0, 0, 5, 1, 1, 1, 1, 1, 0, 0, 2, 0, 9};
  for (int line = 0; line < 52; ++line) rle.insert(rle.end(), {3, 1, 0, 0});
  rle.insert(rle.end(), {0, 1});
  const BmpDecoded decoded = DecodeBmp(Bmp(3, 2, 8, 1, {K, R}, rle));
  EXPECT_EQ(decoded.error, BmpError::None);
  EXPECT_TRUE(decoded.complete);
  EXPECT_EQ(decoded.picture, Picture(3, 2, {R, R, R, R, R, R}));

  // A delta leaves its pixels black; the stream then runs past the top without an end code.
  const BmpDecoded skipped = DecodeBmp(Bmp(3, 2, 8, 1, {K, R}, {0, 2, 2, 0, 1, 1, 0, 0, 0, 0, 0, 0, 3, 1}));
  EXPECT_EQ(skipped.picture, Picture(3, 2, {K, K, K, K, K, R}));
  EXPECT_FALSE(skipped.complete);
}

TEST(BmpDecodeHostilePixels, TruncatedBitsGiveThePresentRowsAndBlackBeyond) {
  // The bottom row (blue, white) and the first pixel of the top row survive the cut.
  const BmpDecoded decoded = DecodeBmp(Truncated(TwoByTwo(), 54 + 8 + 3));
  EXPECT_EQ(decoded.error, BmpError::None);
  EXPECT_FALSE(decoded.complete);
  EXPECT_EQ(decoded.picture, Picture(2, 2, {Red, Black, Blue, White}));
}

TEST(BmpDecodeHostilePixels, ReservedBytesAndAGapBeforeTheBitsAreTolerated) {
  Bytes file = TwoByTwo();
  Put32(file, 6, 0xEFBEADDE);
  file.insert(file.begin() + 54, 10, 0xAA);
  Put32(file, 10, 64);
  const BmpDecoded decoded = DecodeBmp(file);
  EXPECT_TRUE(decoded.complete);
  EXPECT_EQ(decoded.picture, TwoByTwoPicture);
}

TEST(BmpDecodeHostilePixels, CallerMayLowerThePixelCap) {
  EXPECT_EQ(DecodeBmp(TwoByTwo(), 3).error, BmpError::TooLarge);
  EXPECT_EQ(DecodeBmp(TwoByTwo(), 4).error, BmpError::None);
}

}  // namespace
