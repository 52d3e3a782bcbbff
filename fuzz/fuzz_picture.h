#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/pixels.h"

// A small picture made from fuzz input: the first two bytes give its sides (1 to maxSide), the
// rest its pixels, three bytes each, taken again from the start when they run out.
inline PixelBuffer FuzzPicture(std::span<const std::uint8_t> data, int maxSide) {
  if (data.size() < 2) return PixelBuffer(1, 1);
  PixelBuffer picture(1 + data[0] % maxSide, 1 + data[1] % maxSide);
  const std::span<const std::uint8_t> colours = data.subspan(2);
  if (colours.size() < 3) return picture;
  const std::size_t count = colours.size() / 3;
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const std::uint8_t* rgb = &colours[(i % count) * 3];
    picture.pixels[i] = MakePixel(rgb[0], rgb[1], rgb[2]);
  }
  return picture;
}
