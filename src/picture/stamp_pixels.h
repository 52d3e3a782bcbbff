#pragma once
#include <span>

#include "common/geometry.h"
#include "common/pixels.h"

// A picture's pixel memory as the stamp sees it: top-down rows without padding.
struct PixelRows {
  Pixel* pixels = nullptr;
  Size size;
};
struct ConstPixelRows {
  const Pixel* pixels = nullptr;
  Size size;
};

// The cursor stamp on pixel memory, as GDI's two raster steps do it on 32-bit pictures: each
// target pixel under the cursor is ANDed with the mask (SRCAND), then ORed (SRCPAINT) or
// exclusive-or'ed (SRCINVERT) with the colour image, all 32 bits. The cursor's top-left corner
// goes to `at`; only what lies inside the target and inside both cursor images is drawn.
void StampPixels(PixelRows target, ConstPixelRows mask, ConstPixelRows colour, Point at, bool orColour);

// The same as StampPixels at each of `corners` in turn. Consecutive corners of one row (the same
// y) are drawn together line by line, so a row of stamps walks the picture's memory once; every
// pixel still takes the stamps in the order given.
void StampPixels(PixelRows target, ConstPixelRows mask, ConstPixelRows colour, std::span<const Point> corners,
                 bool orColour);
