#include <gtest/gtest.h>

#include <algorithm>

#include "capture/window_queries.h"
#include "support/import_slot.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);

// The screen as it is once it shrank to `narrowerBy` fewer columns after the capture rectangle
// was checked: a copy from it reaches only what the smaller screen still has, and GDI leaves the
// bitmap's other pixels as they were (it clips the copy to its source).
class ShrunkScreen {
 public:
  explicit ShrunkScreen(int narrowerBy) {
    narrowerBy_ = narrowerBy;
    real_ = ReplaceImport("gdi32.dll", "BitBlt", &ClippedBitBlt);
  }
  ShrunkScreen(const ShrunkScreen&) = delete;
  ShrunkScreen& operator=(const ShrunkScreen&) = delete;
  ~ShrunkScreen() { ReplaceImport("gdi32.dll", "BitBlt", real_); }
  bool Patched() const { return real_ != nullptr; }

 private:
  static BOOL WINAPI ClippedBitBlt(HDC to, int x, int y, int width, int height, HDC from, int fromX, int fromY,
                                   DWORD rop) {
    if (from && GetObjectType(from) == OBJ_DC) {
      const int screenRight = GetSystemMetrics(SM_CXSCREEN) - narrowerBy_;
      width = std::max(0, std::min(width, screenRight - fromX));
    }
    return real_(to, x, y, width, height, from, fromX, fromY, rop);
  }

  static inline decltype(&BitBlt) real_ = nullptr;
  static inline int narrowerBy_ = 0;
};

// A recapture of the same size copies into the bitmap the last picture had. Where the copy does
// not reach (the part of the rectangle that lies off the screen, however the screen changed
// after the rectangle was checked), the new picture is black, not the last picture.
TEST(ScreenCopy, WhatTheCopyDoesNotReachIsBlackInAReusedPicture) {
  constexpr int Lost = 48;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const Bounds screen{0, 0, screenWidth, 32};
  Picture picture;
  ASSERT_TRUE(picture.Assign(PixelBuffer(screen.width, screen.height, White)));
  const Pixel* bitmapBefore = picture.Pixels();
  {
    const ShrunkScreen shrunk(Lost);
    ASSERT_TRUE(shrunk.Patched());
    CopyScreen(screen, picture);
  }
  ASSERT_EQ(picture.Pixels(), bitmapBefore) << "the picture of that size is reused";
  const PixelBuffer copied = picture.ToPixelBuffer();
  int old = 0;
  for (int y = 0; y < copied.height; ++y) {
    for (int x = screenWidth - Lost; x < copied.width; ++x) old += copied.At(x, y) != 0;
  }
  EXPECT_EQ(old, 0) << "pixels of the last picture where the copy did not reach";
}

}  // namespace
