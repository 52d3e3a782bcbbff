#include "edit/figure_mask.h"

#include "edit/draw_shape.h"

bool FigureMask::Draw(Size size, int shape, int divisor, const Bounds& part) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = size.width;
  info.header.biHeight = -size.height;  // top-down
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = 2;
  info.colours[1] = {255, 255, 255, 0};
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return false;
  {
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return false;
    SelectedObject selected(dc.Get(), bitmap.Get());
    PatBlt(dc.Get(), part.left, part.top, part.width, part.height, WHITENESS);
    DrawShape(dc.Get(), size, shape, 0, 0, RGB(0, 0, 0), divisor, std::span<const Bounds>(&part, 1));
  }
  GdiFlush();
  bitmap_ = std::move(bitmap);
  bits_ = static_cast<std::uint8_t*>(bits);
  stride_ = (static_cast<std::size_t>(size.width) + 31) / 32 * 4;
  return true;
}
