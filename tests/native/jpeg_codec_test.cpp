#include "output/jpeg_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

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

// Offset of the start-of-frame marker, found by walking the marker segments from SOI.
std::size_t FrameOffset(const Bytes& jpeg) {
  std::size_t pos = 2;
  while (pos + 4 <= jpeg.size() && jpeg[pos] == 0xFF) {
    const int code = jpeg[pos + 1];
    if (code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC) return pos;
    pos += 2 + static_cast<std::size_t>(jpeg[pos + 2] << 8 | jpeg[pos + 3]);
  }
  ADD_FAILURE() << "no frame marker";
  return 0;
}

Bytes WithFrameSize(Bytes jpeg, int width, int height) {
  const std::size_t frame = FrameOffset(jpeg);
  jpeg[frame + 5] = static_cast<std::uint8_t>(height >> 8);
  jpeg[frame + 6] = static_cast<std::uint8_t>(height);
  jpeg[frame + 7] = static_cast<std::uint8_t>(width >> 8);
  jpeg[frame + 8] = static_cast<std::uint8_t>(width);
  return jpeg;
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

TEST(JpegEncode, RefusesEmptyPicture) { EXPECT_FALSE(EncodeJpeg(PixelBuffer(), 90, false)); }

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
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = 16;
  info.image_height = 16;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  info.scan_info = scans.data();
  info.num_scans = static_cast<int>(scans.size());
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(16 * 3, 100);
  while (info.next_scanline < info.image_height) {
    JSAMPROW rowPointer = row.data();
    jpeg_write_scanlines(&info, &rowPointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  Bytes jpeg(buffer, buffer + size);
  std::free(buffer);
  return jpeg;
}

TEST(JpegDecode, ScanCountIsCapped) {
  EXPECT_EQ(DecodeJpeg(ProgressiveInBands(2)).error, JpegError::None);
  const JpegDecoded tooMany = DecodeJpeg(ProgressiveInBands(1));
  EXPECT_EQ(tooMany.error, JpegError::TooManyScans);
  EXPECT_TRUE(tooMany.picture.Empty());
}

}  // namespace
