#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "picture/scale_size.h"
#include "picture/transform.h"

namespace {

constexpr TransformKind AllKinds[] = {TransformKind::RotateRight, TransformKind::Rotate180, TransformKind::RotateLeft,
                                      TransformKind::Mirror};

// Every pixel a different colour, so a misplaced pixel cannot go unnoticed.
PixelBuffer Numbered(int width, int height) {
  PixelBuffer p(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) p.At(x, y) = static_cast<Pixel>(y * width + x + 1);
  }
  return p;
}

// The destination table, one pixel at a time, as the picture must come out.
PixelBuffer Reference(const PixelBuffer& s, TransformKind kind) {
  const int w = s.width, h = s.height;
  const bool turn = kind == TransformKind::RotateRight || kind == TransformKind::RotateLeft;
  PixelBuffer d(turn ? h : w, turn ? w : h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      switch (kind) {
        case TransformKind::RotateRight: d.At(h - 1 - y, x) = s.At(x, y); break;
        case TransformKind::Rotate180: d.At(w - 1 - x, h - 1 - y) = s.At(x, y); break;
        case TransformKind::RotateLeft: d.At(y, w - 1 - x) = s.At(x, y); break;
        case TransformKind::Mirror: d.At(w - 1 - x, y) = s.At(x, y); break;
      }
    }
  }
  return d;
}

TEST(Transform, ThreeByTwoTurnedRight) {
  // 1 2 3        4 1
  // 4 5 6   →    5 2
  //              6 3
  const PixelBuffer r = Transformed(Numbered(3, 2), TransformKind::RotateRight);
  ASSERT_EQ(r.width, 2);
  ASSERT_EQ(r.height, 3);
  EXPECT_EQ(r.pixels, (std::vector<Pixel>{4, 1, 5, 2, 6, 3}));
  EXPECT_EQ(r.At(1, 0), 1u);  // the source's top-left sits top-right
}

TEST(Transform, ThreeByTwoOtherKinds) {
  const PixelBuffer s = Numbered(3, 2);
  const PixelBuffer left = Transformed(s, TransformKind::RotateLeft);
  EXPECT_EQ(left.width, 2);
  EXPECT_EQ(left.height, 3);
  EXPECT_EQ(left.pixels, (std::vector<Pixel>{3, 6, 2, 5, 1, 4}));
  EXPECT_EQ(Transformed(s, TransformKind::Rotate180).pixels, (std::vector<Pixel>{6, 5, 4, 3, 2, 1}));
  EXPECT_EQ(Transformed(s, TransformKind::Mirror).pixels, (std::vector<Pixel>{3, 2, 1, 6, 5, 4}));
}

TEST(Transform, SinglePixelAndSingleLines) {
  for (const TransformKind kind : AllKinds) {
    const PixelBuffer one = Numbered(1, 1);
    EXPECT_EQ(Transformed(one, kind), one);
    for (const int n : {2, 3, 4, 5, 7, 8, 9, 17, 67}) {
      const PixelBuffer row = Numbered(n, 1), column = Numbered(1, n);
      EXPECT_EQ(Transformed(row, kind), Reference(row, kind)) << n;
      EXPECT_EQ(Transformed(column, kind), Reference(column, kind)) << n;
    }
  }
  // A row turned right stands as a column in the same order; turned left, reversed.
  EXPECT_EQ(Transformed(Numbered(5, 1), TransformKind::RotateRight).pixels, Numbered(1, 5).pixels);
  EXPECT_EQ(Transformed(Numbered(5, 1), TransformKind::RotateLeft).pixels, (std::vector<Pixel>{5, 4, 3, 2, 1}));
}

TEST(Transform, OddSquares) {
  for (const int n : {3, 5, 7, 63, 65}) {
    const PixelBuffer s = Numbered(n, n);
    for (const TransformKind kind : AllKinds) EXPECT_EQ(Transformed(s, kind), Reference(s, kind)) << n;
    // The middle pixel of an odd square never moves.
    EXPECT_EQ(Transformed(s, TransformKind::RotateRight).At(n / 2, n / 2), s.At(n / 2, n / 2));
  }
}

TEST(Transform, UndoneByItsCounterpart) {
  const PixelBuffer s = Numbered(13, 6);
  EXPECT_EQ(Transformed(Transformed(s, TransformKind::Mirror), TransformKind::Mirror), s);
  EXPECT_EQ(Transformed(Transformed(s, TransformKind::Rotate180), TransformKind::Rotate180), s);
  EXPECT_EQ(Transformed(Transformed(s, TransformKind::RotateRight), TransformKind::RotateLeft), s);
  EXPECT_EQ(Transformed(Transformed(s, TransformKind::RotateLeft), TransformKind::RotateRight), s);
  // Two right turns are one half turn.
  EXPECT_EQ(Transformed(Transformed(s, TransformKind::RotateRight), TransformKind::RotateRight),
            Transformed(s, TransformKind::Rotate180));
}

// Sizes around the 4-pixel blocks and 64-row strips of the fast path, and random ones.
TEST(Transform, MatchesTheTableOnManySizes) {
  std::mt19937 random(20240611);
  std::vector<std::pair<int, int>> sizes = {{4, 4}, {8, 4}, {4, 8}, {64, 64}, {65, 64}, {64, 65}, {128, 3},
                                            {3, 128}, {130, 131}, {257, 66}};
  std::uniform_int_distribution<int> side(1, 300);
  for (int i = 0; i < 40; ++i) sizes.emplace_back(side(random), side(random));
  for (const auto& [w, h] : sizes) {
    PixelBuffer s(w, h);
    for (Pixel& p : s.pixels) p = random();
    for (const TransformKind kind : AllKinds) {
      ASSERT_EQ(Transformed(s, kind), Reference(s, kind)) << w << "x" << h << " kind " << static_cast<int>(kind);
    }
  }
}

// Pictures of a megabyte and more take the streaming path, which needs 16-byte aligned runs;
// heights that are no multiple of 4 and a destination off by one pixel go the other way.
TEST(Transform, LargePicturesMatchTheTable) {
  std::mt19937 random(7);
  for (const auto& [w, h] : {std::pair{640, 480}, std::pair{517, 613}, std::pair{1030, 258}, std::pair{260, 1025}}) {
    PixelBuffer s(w, h);
    for (Pixel& p : s.pixels) p = random();
    for (const TransformKind kind : AllKinds) {
      const PixelBuffer expected = Reference(s, kind);
      ASSERT_EQ(Transformed(s, kind), expected) << w << "x" << h << " kind " << static_cast<int>(kind);
      std::vector<Pixel> shifted(s.pixels.size() + 1);
      ASSERT_TRUE(TransformPixels(s.pixels.data(), w, h, shifted.data() + 1, kind));
      ASSERT_TRUE(std::equal(expected.pixels.begin(), expected.pixels.end(), shifted.begin() + 1));
    }
  }
}

TEST(Transform, RawMemoryWritesOnlyThePicture) {
  // Guard pixels around the destination catch any write past either end.
  const PixelBuffer s = Numbered(7, 5);
  for (const TransformKind kind : AllKinds) {
    std::vector<Pixel> memory(7 * 5 + 2, 0xDEADBEEF);
    ASSERT_TRUE(TransformPixels(s.pixels.data(), 7, 5, memory.data() + 1, kind));
    EXPECT_EQ(memory.front(), 0xDEADBEEFu);
    EXPECT_EQ(memory.back(), 0xDEADBEEFu);
    EXPECT_EQ(std::vector<Pixel>(memory.begin() + 1, memory.end() - 1), Reference(s, kind).pixels);
  }
}

TEST(Transform, RefusesEmptyAndInconsistentPictures) {
  Pixel pixel = 7, out = 0;
  for (const TransformKind kind : AllKinds) {
    EXPECT_FALSE(TransformPixels(&pixel, 0, 1, &out, kind));
    EXPECT_FALSE(TransformPixels(&pixel, 1, -1, &out, kind));
    EXPECT_FALSE(TransformPixels(nullptr, 1, 1, &out, kind));
    EXPECT_FALSE(TransformPixels(&pixel, 1, 1, nullptr, kind));
    EXPECT_EQ(out, 0u);
    EXPECT_TRUE(Transformed(PixelBuffer{}, kind).Empty());
    PixelBuffer broken = Numbered(3, 3);
    broken.pixels.pop_back();  // fewer pixels than its size claims
    EXPECT_TRUE(Transformed(broken, kind).Empty());
  }
  EXPECT_FALSE(TransformPixels(&pixel, 1, 1, &out, static_cast<TransformKind>(4)));
  EXPECT_EQ(out, 0u);
}

TEST(ScaledSize, HalvesRoundToEvenAndDoubles) {
  EXPECT_EQ(ScaledSize({5, 7}, ScaleKind::Half), (Size{2, 4}));
  EXPECT_EQ(ScaledSize({5, 7}, ScaleKind::Double), (Size{10, 14}));
  EXPECT_EQ(ScaledSize({4, 6}, ScaleKind::Half), (Size{2, 3}));
  EXPECT_EQ(ScaledSize({3, 9}, ScaleKind::Half), (Size{2, 4}));  // 1.5 → 2, 4.5 → 4
  EXPECT_EQ(ScaledSize({3840, 2161}, ScaleKind::Half), (Size{1920, 1080}));
}

TEST(ScaledSize, NeverLosesThePictureOrOverflows) {
  // Round(1 / 2) is 0: a picture without width would be gone, so one pixel stays.
  EXPECT_EQ(ScaledSize({1, 1}, ScaleKind::Half), (Size{1, 1}));
  EXPECT_EQ(ScaledSize({1, 10}, ScaleKind::Half), (Size{1, 5}));
  EXPECT_EQ(ScaledSize({0, 10}, ScaleKind::Half), std::nullopt);
  EXPECT_EQ(ScaledSize({10, -1}, ScaleKind::Double), std::nullopt);
  EXPECT_EQ(ScaledSize({MaxScaledSide / 2, 1}, ScaleKind::Double), (Size{MaxScaledSide, 2}));
  EXPECT_EQ(ScaledSize({MaxScaledSide / 2 + 1, 1}, ScaleKind::Double), std::nullopt);
  EXPECT_EQ(ScaledSize({1, 2147483647}, ScaleKind::Double), std::nullopt);
  EXPECT_EQ(ScaledSize({2147483647, 2147483647}, ScaleKind::Half), (Size{1073741824, 1073741824}));
}

}  // namespace

TEST(FitInside, KeepsProportionsWithinTheBoxAndNeverEnlarges) {
  EXPECT_EQ(FitInside({1024, 768}, {200, 200}), (Size{200, 150}));
  EXPECT_EQ(FitInside({300, 600}, {200, 200}), (Size{100, 200}));
  EXPECT_EQ(FitInside({50, 40}, {200, 200}), (Size{50, 40}));
  EXPECT_EQ(FitInside({65535, 1}, {200, 200}), (Size{200, 1}));  // a thin line keeps a row
  EXPECT_EQ(FitInside({0, 5}, {200, 200}), std::nullopt);
  EXPECT_EQ(FitInside({5, 5}, {0, 200}), std::nullopt);
}
