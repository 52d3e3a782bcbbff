#include "formats/entry_drawing.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "../support/cursor_file_builder.h"

namespace {

using namespace cursor_test;

constexpr Pixel Black = MakePixel(0, 0, 0);
constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Maroon = MakePixel(128, 0, 0);
constexpr Pixel Cyan = MakePixel(0, 255, 255);

IconEntry Entry(int bitCount, const std::vector<Pixel>& palette, std::uint32_t colour, bool seeThrough) {
  const Bytes image = EntryImage({2, 2, static_cast<std::uint16_t>(bitCount)}, palette, Uniform(2, 1, bitCount, colour),
                                 Uniform(2, 1, 1, seeThrough ? 3 : 0));
  return *RebuildIconEntry(image, static_cast<std::uint32_t>(image.size()));
}

// One pixel of each kind, over black and over white. On the 16-colour surface the colour goes to
// the nearest of the 16 first, and an inverted pixel is its index's complement (maroon, index 1,
// inverts to cyan, index 14), not the colour's.
TEST(EntryDrawing, OpaqueSeeThroughAndInvertingPixels) {
  const std::vector<Pixel> palette = {Black, White, MakePixel(140, 10, 5)};
  const struct {
    int bitCount;
    std::uint32_t colour;
    bool seeThrough;
    Pixel overBlack, overWhite;
  } cases[] = {
      {1, 1, false, White, White},                          // opaque white
      {1, 0, true, Black, White},                           // see-through
      {1, 1, true, White, Black},                           // inverting
      {8, 2, false, Maroon, Maroon},                        // nearest of the 16
      {8, 2, true, Maroon, Cyan},                           // inverted by index
      {24, 0x8C0A05, true, MakePixel(140, 10, 5), MakePixel(115, 245, 250)},  // inverted by colour
      {16, 0xFF0808, false, MakePixel(255, 8, 8), MakePixel(255, 8, 8)},       // five bits widened
      {32, 0xFF345678, false, MakePixel(0x34, 0x56, 0x78), MakePixel(0x34, 0x56, 0x78)},
  };
  for (const auto& c : cases) {
    const std::optional<EntryDrawings> drawn = DrawEntry(Entry(c.bitCount, palette, c.colour, c.seeThrough));
    ASSERT_TRUE(drawn) << c.bitCount;
    EXPECT_EQ(drawn->overBlack, PixelBuffer(2, 1, c.overBlack)) << c.bitCount << " " << c.colour;
    EXPECT_EQ(drawn->overWhite, PixelBuffer(2, 1, c.overWhite)) << c.bitCount << " " << c.colour;
  }
}

// A PNG entry shows through its alpha: over black its colour times alpha, over white that plus the
// rest; from half opaque up it keeps its own colour, below that it is transparent.
TEST(EntryDrawing, APngEntryThroughItsAlpha) {
  const std::uint32_t alphas[] = {255, 128, 127, 0};
  const Bytes png = Png(4, 2, [&](int x, int) { return alphas[x] << 24 | 0xC08040; });
  const IconEntry entry = *RebuildIconEntry(png, static_cast<std::uint32_t>(png.size()));
  const std::optional<EntryDrawings> drawn = DrawEntry(entry);
  ASSERT_TRUE(drawn);
  EXPECT_EQ(drawn->overBlack.At(0, 1), MakePixel(0xC0, 0x80, 0x40));
  EXPECT_EQ(drawn->overBlack.At(1, 1), MakePixel(96, 64, 32));
  EXPECT_EQ(drawn->overWhite.At(1, 1), MakePixel(223, 191, 159));
  EXPECT_EQ(drawn->overWhite.At(3, 1), White);
  const std::optional<MaskAndColour> pictures = EntryPictures(entry);
  ASSERT_TRUE(pictures);
  EXPECT_EQ(pictures->andMask.pixels, (std::vector<Pixel>{Black, Black, White, White, Black, Black, White, White}));
  EXPECT_EQ(pictures->xorColour.At(0, 0), MakePixel(0xC0, 0x80, 0x40));
  // Half opaque, the colour comes back from its blend within a step.
  const Pixel half = pictures->xorColour.At(1, 0);
  EXPECT_LE(std::abs(RedOf(half) - 0xC0) + std::abs(GreenOf(half) - 0x80) + std::abs(BlueOf(half) - 0x40), 1);
  EXPECT_EQ(pictures->xorColour.At(2, 0), Black);
}

TEST(EntryDrawing, RefusesWhatItCannotDraw) {
  IconEntry cut = Entry(4, {}, 0, false);
  cut.iconFile.pop_back();
  EXPECT_FALSE(DrawEntry(cut));
  // A PNG whose image data was damaged after its header was read.
  Bytes png = Png(4, 4, [](int, int) { return 0xFF000000u; });
  png[png.size() - 20] ^= 0xFF;
  EXPECT_FALSE(DrawEntry(*RebuildIconEntry(png, static_cast<std::uint32_t>(png.size()))));
}

}  // namespace
