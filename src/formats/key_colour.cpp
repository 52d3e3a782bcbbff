#include "formats/key_colour.h"

#include "formats/cursor_file.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Black = MakePixel(0, 0, 0);

struct KeyLetter {
  char letter;
  Pixel colour;
};

constexpr KeyLetter KeyLetters[] = {
    {'B', MakePixel(0, 0, 255)}, {'G', MakePixel(0, 128, 0)},   {'K', Black},
    {'M', MakePixel(128, 0, 0)}, {'R', MakePixel(255, 0, 0)},   {'Y', MakePixel(255, 255, 0)},
};

}  // namespace

KeyColour KeyColourOf(std::string_view fileName) {
  const std::string extension = UpperCaseExtension(fileName);
  if (extension.size() >= 4) {
    for (const KeyLetter& key : KeyLetters) {
      if (extension[3] == key.letter) return {key.colour, false};
    }
  }
  return {White, true};
}

MaskAndColour KeyColourPictures(const PixelBuffer& picture, KeyColour key, int screenDepth) {
  const bool lowColour = screenDepth <= 8;
  // On low-colour screens colours pass through the system palette, which may turn white into 254s.
  const Pixel significant = key.white && lowColour ? 0xFEFEFE : 0xFFFFFF;
  MaskAndColour pictures{PixelBuffer(picture.width, picture.height), PixelBuffer(picture.width, picture.height)};
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const Pixel pixel = picture.pixels[i] & 0xFFFFFF;
    const bool transparent = (pixel & significant) == (key.colour & significant);
    pictures.xorColour.pixels[i] = transparent ? Black : pixel;
    pictures.andMask.pixels[i] = transparent ? White : lowColour ? Black : pixel;
  }
  return pictures;
}
