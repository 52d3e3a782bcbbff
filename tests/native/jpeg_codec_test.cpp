#include "formats/jpeg_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "jpeg_test_files.h"

namespace {

using namespace jpeg_test;

PixelBuffer Gradient(int width, int height) {
  PixelBuffer picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.At(x, y) = MakePixel(x * 255 / width, y * 255 / height, 128);
  }
  return picture;
}

Bytes Encoded(const PixelBuffer& picture, int quality, bool progressive) {
  std::optional<Bytes> bytes = EncodeJpeg(picture, quality, progressive);
  EXPECT_TRUE(bytes);
  return bytes.value_or(Bytes());
}

TEST(JpegEncode, ProgressiveWritesSof2AndBaselineSof0) {
  const PixelBuffer picture = Gradient(32, 24);
  const Bytes progressive = Encoded(picture, 100, true);
  const Bytes baseline = Encoded(picture, 100, false);
  EXPECT_EQ(progressive[FrameOffset(progressive) + 1], 0xC2);
  EXPECT_EQ(baseline[FrameOffset(baseline) + 1], 0xC0);
}

TEST(JpegEncode, QualityIsClampedToOneToHundred) {
  const PixelBuffer picture = Gradient(32, 24);
  const struct {
    int asked;
    int used;
  } cases[] = {{0, 1}, {-5, 1}, {101, 100}, {1000, 100}};
  for (const auto& c : cases) EXPECT_EQ(Encoded(picture, c.asked, false), Encoded(picture, c.used, false)) << c.asked;
  EXPECT_NE(Encoded(picture, 50, false), Encoded(picture, 100, false));
}

TEST(JpegEncode, WritesNothingTheReaderWouldRefuse) {
  EXPECT_FALSE(EncodeJpeg(PixelBuffer(), 90, false));
  EXPECT_FALSE(EncodeJpeg(PixelBuffer(MaxJpegSide + 1, 1), 90, false));
  // Refused on its size alone: the pixels are never looked at.
  PixelBuffer overCap;
  overCap.width = 8192;
  overCap.height = 8193;
  EXPECT_FALSE(EncodeJpeg(overCap, 90, false));

  // A file that would outgrow the read cap is not written; the limit stands for that cap here.
  const PixelBuffer picture = Gradient(256, 256);
  for (const bool progressive : {false, true}) {
    const std::size_t size = Encoded(picture, 100, progressive).size();
    EXPECT_TRUE(EncodeJpeg(picture, 100, progressive, static_cast<std::int64_t>(size))) << progressive;
    EXPECT_FALSE(EncodeJpeg(picture, 100, progressive, static_cast<std::int64_t>(size) - 1)) << progressive;
  }
}

double MeanError(const PixelBuffer& a, const PixelBuffer& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.pixels.size(); ++i) {
    sum += std::abs(RedOf(a.pixels[i]) - RedOf(b.pixels[i])) + std::abs(GreenOf(a.pixels[i]) - GreenOf(b.pixels[i])) +
           std::abs(BlueOf(a.pixels[i]) - BlueOf(b.pixels[i]));
  }
  return sum / (3.0 * static_cast<double>(a.pixels.size()));
}

TEST(JpegDecode, RoundTripIsClose) {
  const PixelBuffer picture = Gradient(67, 45);  // not a multiple of the block size
  for (const bool progressive : {false, true}) {
    const JpegDecoded decoded = DecodeJpeg(Encoded(picture, 90, progressive));
    ASSERT_EQ(decoded.error, JpegError::None);
    ASSERT_EQ(decoded.picture.width, 67);
    ASSERT_EQ(decoded.picture.height, 45);
    EXPECT_LT(MeanError(decoded.picture, picture), 2.0) << progressive;
  }
}

TEST(JpegDecode, DamagedFilesAreRefusedCleanly) {
  const Bytes good = Encoded(Gradient(64, 48), 90, false);
  const Bytes progressive = Encoded(Gradient(64, 48), 90, true);
  const struct {
    const char* name;
    Bytes file;
    JpegError error;
  } cases[] = {
      {"empty", {}, JpegError::Corrupt},
      {"not a JPEG", {'B', 'M', 0, 0, 0, 0}, JpegError::Corrupt},
      {"cut mid-scan", Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2)), JpegError::Corrupt},
      {"progressive cut mid-scan",
       Bytes(progressive.begin(), progressive.begin() + static_cast<std::ptrdiff_t>(progressive.size() * 2 / 3)),
       JpegError::Corrupt},
      {"cut after the header", Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(FrameOffset(good) + 19)),
       JpegError::Corrupt},
      // 65500 × 65500 would cost gigabytes: the header alone is enough to refuse it.
      {"forged frame size", WithFrameSize(good, 65500, 65500), JpegError::TooLarge},
      {"width 0", WithFrameSize(good, 0, 48), JpegError::Corrupt},
      {"height 0", WithFrameSize(good, 64, 0), JpegError::Corrupt},
  };
  for (const auto& c : cases) {
    const JpegDecoded decoded = DecodeJpeg(c.file);
    EXPECT_EQ(decoded.error, c.error) << c.name;
    EXPECT_TRUE(decoded.picture.Empty()) << c.name;
  }
}

TEST(JpegDecode, CallerMayLowerThePixelCap) {
  const Bytes jpeg = Encoded(Gradient(32, 32), 90, false);
  EXPECT_EQ(DecodeJpeg(jpeg, 32 * 32 - 1).error, JpegError::TooLarge);
  EXPECT_EQ(DecodeJpeg(jpeg, 32 * 32).error, JpegError::None);
}

// A progressive colour JPEG whose AC coefficients come in bands of `band`, one component per
// scan: band 1 gives 1 + 3 × 63 = 190 scans, band 2 gives 1 + 3 × 32 = 97.
Bytes ProgressiveInBands(int band) {
  std::vector<jpeg_scan_info> scans{{3, {0, 1, 2, 0}, 0, 0, 0, 0}};
  for (int component = 0; component < 3; ++component) {
    for (int first = 1; first <= 63; first += band) scans.push_back({1, {component}, first, std::min(first + band - 1, 63), 0, 0});
  }
  return LibraryJpeg(16, 16, JCS_RGB, 3, std::vector<JSAMPLE>(16 * 16 * 3, 100), [&scans](jpeg_compress_struct& info) {
    info.scan_info = scans.data();
    info.num_scans = static_cast<int>(scans.size());
  });
}

TEST(JpegDecode, ScanCountIsCapped) {
  EXPECT_EQ(DecodeJpeg(ProgressiveInBands(2)).error, JpegError::None);
  const JpegDecoded tooMany = DecodeJpeg(ProgressiveInBands(1));
  EXPECT_EQ(tooMany.error, JpegError::TooManyScans);
  EXPECT_TRUE(tooMany.picture.Empty());
}

// Print-workflow files: four 16 × 16 squares of ink (cyan, magenta, yellow, black), each
// decoded to the colour it prints. Adobe's writers store the inks inverted and add their marker.
TEST(JpegDecode, CmykAndYcckGiveThePrintedColours) {
  struct Ink {
    int c, m, y, k;
    Pixel printed;
  };
  const Ink squares[] = {
      {255, 0, 0, 0, MakePixel(0, 255, 255)},
      {0, 255, 255, 0, MakePixel(255, 0, 0)},
      {0, 0, 0, 128, MakePixel(127, 127, 127)},
      {64, 128, 192, 32, MakePixel(167, 111, 55)},
  };
  const auto samples = [&squares](bool inverted) {
    std::vector<JSAMPLE> rows;
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const Ink& ink = squares[(y / 16) * 2 + x / 16];
        for (const int value : {ink.c, ink.m, ink.y, ink.k}) rows.push_back(static_cast<JSAMPLE>(inverted ? 255 - value : value));
      }
    }
    return rows;
  };
  const struct {
    const char* name;
    J_COLOR_SPACE stored;
    bool adobe;
  } cases[] = {{"plain CMYK", JCS_CMYK, false}, {"Adobe CMYK", JCS_CMYK, true}, {"Adobe YCCK", JCS_YCCK, true}};
  for (const auto& c : cases) {
    const Bytes jpeg = LibraryJpeg(32, 32, JCS_CMYK, 4, samples(c.adobe), [&c](jpeg_compress_struct& info) {
      jpeg_set_colorspace(&info, c.stored);
      info.write_Adobe_marker = c.adobe;
      jpeg_set_quality(&info, 100, TRUE);
    });
    const JpegDecoded decoded = DecodeJpeg(jpeg);
    ASSERT_EQ(decoded.error, JpegError::None) << c.name;
    ASSERT_EQ(decoded.picture.width, 32) << c.name;
    for (int i = 0; i < 4; ++i) {
      const Pixel got = decoded.picture.At((i % 2) * 16 + 8, (i / 2) * 16 + 8);
      const Pixel want = squares[i].printed;
      EXPECT_NEAR(RedOf(got), RedOf(want), 3) << c.name << " square " << i;
      EXPECT_NEAR(GreenOf(got), GreenOf(want), 3) << c.name << " square " << i;
      EXPECT_NEAR(BlueOf(got), BlueOf(want), 3) << c.name << " square " << i;
    }
  }
}

}  // namespace
