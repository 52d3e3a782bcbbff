#include "common/picture_limits.h"

#include <gtest/gtest.h>

#include "formats/bmp_format.h"
#include "formats/jpeg_codec.h"
#include "jpeg_test_files.h"
#include "picture/scale_size.h"

namespace {

using namespace jpeg_test;

// A 24-bit BMP header of the given size followed by one row of bits.
Bytes BmpWithOneRow(Size size) {
  const std::size_t row = (static_cast<std::size_t>(size.width) * 3 + 3) & ~std::size_t{3};
  Bytes file(54 + row);
  const auto put32 = [&file](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(size.width));
  put32(22, static_cast<std::uint32_t>(size.height));
  file[26] = 1;
  file[28] = 24;
  return file;
}

// Whatever doubling makes, both readers take back: at the edges of the caps, the BMP reader
// loads the size (the rows missing here come out black) and the JPEG reader gets past its size
// check to the missing scan data.
TEST(PictureLimits, EveryDoubledSizeLoadsBack) {
  const Bytes smallJpeg = EncodeJpeg(PixelBuffer(16, 16), 90, false).value_or(Bytes());
  const struct {
    Size picture;
    std::optional<Size> doubled;
  } cases[] = {
      {{4096, 4096}, Size{8192, 8192}},     // exactly the pixel cap
      {{4096, 4097}, std::nullopt},         // one row beyond it
      {{8192, 6144}, std::nullopt},         // 16384 × 12288: sides both readers take, too many pixels
      {{32750, 512}, Size{65500, 1024}},    // the longest side JPEG can store
      {{512, 32750}, Size{1024, 65500}},
      {{32751, 1}, std::nullopt},           // a side JPEG cannot store
  };
  for (const auto& c : cases) {
    const std::optional<Size> doubled = ScaledSize(c.picture, ScaleKind::Double);
    EXPECT_EQ(doubled, c.doubled) << c.picture.width << " x " << c.picture.height;
    if (!doubled) continue;
    EXPECT_EQ(DecodeBmp(BmpWithOneRow(*doubled)).error, BmpError::None) << doubled->width;
    EXPECT_EQ(DecodeJpeg(WithFrameSize(smallJpeg, doubled->width, doubled->height)).error, JpegError::Corrupt)
        << doubled->width;
  }
}

}  // namespace
