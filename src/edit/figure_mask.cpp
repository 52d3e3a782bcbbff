#include "edit/figure_mask.h"

#include "edit/draw_shape.h"
#include "ui/picture.h"

bool FigureMask::Draw(Size size, int shape, int divisor, const Bounds& part) {
  constexpr Pixel BlackAndWhite[] = {0, 0xFFFFFF};
  void* bits = nullptr;
  BitmapHandle bitmap = CreateTopDownDib(size, 1, BlackAndWhite, bits);
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
