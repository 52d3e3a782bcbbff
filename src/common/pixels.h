#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels as 32-bit DIB-section memory holds them: 0x00RRGGBB (bytes B, G, R, 0), rows top-down,
// no padding. Portable code works on this layout so that the program can hand it DIB memory
// directly, without GetPixel/SetPixel and without conversion.
using Pixel = std::uint32_t;

constexpr Pixel MakePixel(int red, int green, int blue) {
  return (static_cast<Pixel>(red & 0xFF) << 16) | (static_cast<Pixel>(green & 0xFF) << 8) |
         static_cast<Pixel>(blue & 0xFF);
}
constexpr int RedOf(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }
constexpr int GreenOf(Pixel p) { return static_cast<int>((p >> 8) & 0xFF); }
constexpr int BlueOf(Pixel p) { return static_cast<int>(p & 0xFF); }

// An owned picture in that layout.
struct PixelBuffer {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  PixelBuffer() = default;
  PixelBuffer(int w, int h, Pixel fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

  Pixel& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x]; }
  Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x]; }
  bool Empty() const { return width <= 0 || height <= 0; }
  friend bool operator==(const PixelBuffer&, const PixelBuffer&) = default;
};
