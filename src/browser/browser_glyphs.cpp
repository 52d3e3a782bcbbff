#include "browser/browser_glyphs.h"

#include <span>
#include <string_view>

namespace {

// One character a pixel: 'r' transparent, 'K' black, 'G' grey, 'L' light grey, 'W' white,
// 'Y' yellow, 'O' dark yellow, 'B' blue, 'g' green.
using Art = std::span<const std::string_view>;

constexpr std::string_view Floppy[] = {
    "rrrKKKKKKKKKKrrr",
    "rrrKGGWWWWGGKrrr",
    "rrrKGGWWWWGGKrrr",
    "rrrKGGGGGGGGKrrr",
    "rrrKGGKKKKGGKrrr",
    "rrrKGGKGGKGGKrrr",
    "rrrKGGKKKKGGKrrr",
    "rrrKGGGGGGGGKrrr",
    "rrrKKKKKKKKKKrrr",
};
constexpr std::string_view Fixed[] = {
    "rrrrrrrrrrrrrrrr",
    "rKKKKKKKKKKKKKKr",
    "rKWWWWWWWWWWWWKr",
    "rKLLLLLLLLLLLLKr",
    "rKLLLLLLLLLgLLKr",
    "rKLLLLLLLLLLLLKr",
    "rKGGGGGGGGGGGGKr",
    "rKKKKKKKKKKKKKKr",
    "rrrrrrrrrrrrrrrr",
};
constexpr std::string_view Network[] = {
    "rKKKKKKKKKKKKKKr",
    "rKWWWWWWWWWWWWKr",
    "rKLLLLLLLLLgLLKr",
    "rKGGGGGGGGGGGGKr",
    "rKKKKKKKKKKKKKKr",
    "rrrrrrrKKrrrrrrr",
    "rrrrrrrKKrrrrrrr",
    "KKKKKKKKKKKKKKKK",
    "rrrrrrrrrrrrrrrr",
};
constexpr std::string_view CDROM[] = {
    "rrrrrKKKKKKrrrrr",
    "rrrKKLLWWLLKKrrr",
    "rrKLLLWWWLLLLKrr",
    "rKLLLLKKKLLLLLKr",
    "rKLLLLKrKLLLLLKr",
    "rKLLLLKKKLLLLLKr",
    "rrKLLLLLLLLLLKrr",
    "rrrKKLLLLLLKKrrr",
    "rrrrrKKKKKKrrrrr",
};
constexpr std::string_view RAM[] = {
    "rrrrrrrrrrrrrrrr",
    "rKKKKKKKKKKKKKKr",
    "rKggggggggggggKr",
    "rKgKKgKKgKKgKgKr",
    "rKgKKgKKgKKgKgKr",
    "rKggggggggggggKr",
    "rKKKKKKKKKKKKKKr",
    "rrYrYrYrYrYrYrYr",
    "rrrrrrrrrrrrrrrr",
};
constexpr std::string_view ClosedFolder[] = {
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrKKKKKrrrrrrrrrrrr",
    "rKYWYWYKrrrrrrrrrrr",
    "KYWYWYWYKKKKKKKKrrr",
    "KWYWYWYWYWYWYWYOKrr",
    "KYWYWYWYWYWYWYWOKrr",
    "KWYWYWYWYWYWYWYOKrr",
    "KYWYWYWYWYWYWYWOKrr",
    "KWYWYWYWYWYWYWYOKrr",
    "KYWYWYWYWYWYWYWOKrr",
    "KWYWYWYWYWYWYWYOKrr",
    "KYWYWYWYWYWYWYWOKrr",
    "KOOOOOOOOOOOOOOOKrr",
    "rKKKKKKKKKKKKKKKKrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
};
constexpr std::string_view OpenFolder[] = {
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrKKKKKrrrrrrrrrrrr",
    "rKYWYWYKrrrrrrrrrrr",
    "KYWYWYWYKKKKKKKKrrr",
    "KWYWYWYWYWYWYWYOKrr",
    "KYWYKKKKKKKKKKKKKKK",
    "KWYKYYYYYYYYYYYYYOK",
    "KYKYYYYYYYYYYYYYOKr",
    "KWKYYYYYYYYYYYYYOKr",
    "KKYYYYYYYYYYYYYOKrr",
    "KKYYYYYYYYYYYYYOKrr",
    "KYYYYYYYYYYYYYOKrrr",
    "KOOOOOOOOOOOOOOKrrr",
    "rKKKKKKKKKKKKKKrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
    "rrrrrrrrrrrrrrrrrrr",
};

Pixel Colour(char c) {
  switch (c) {
    case 'K': return MakePixel(0, 0, 0);
    case 'G': return MakePixel(128, 128, 128);
    case 'L': return MakePixel(192, 192, 192);
    case 'W': return MakePixel(255, 255, 255);
    case 'Y': return MakePixel(255, 255, 0);
    case 'O': return MakePixel(128, 128, 0);
    case 'B': return MakePixel(0, 0, 255);
    case 'g': return MakePixel(0, 128, 0);
    default: return GlyphTransparent;
  }
}

PixelBuffer FromArt(Art art, int width) {
  PixelBuffer picture(width, static_cast<int>(art.size()), GlyphTransparent);
  int y = 0;
  for (std::string_view row : art) {
    for (int x = 0; x < width && x < static_cast<int>(row.size()); ++x) picture.At(x, y) = Colour(row[static_cast<std::size_t>(x)]);
    ++y;
  }
  return picture;
}

}  // namespace

PixelBuffer BrowserGlyphPicture(BrowserGlyph glyph) {
  switch (glyph) {
    case BrowserGlyph::Floppy: return FromArt(Floppy, 16);
    case BrowserGlyph::Fixed: return FromArt(Fixed, 16);
    case BrowserGlyph::Network: return FromArt(Network, 16);
    case BrowserGlyph::CDROM: return FromArt(CDROM, 16);
    case BrowserGlyph::RAM: return FromArt(RAM, 16);
    case BrowserGlyph::ClosedFolder: return FromArt(ClosedFolder, 19);
    case BrowserGlyph::OpenFolder: return FromArt(OpenFolder, 19);
  }
  return {};
}
