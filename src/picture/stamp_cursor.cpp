#include "picture/stamp_cursor.h"

#include "picture/stamp_pixels.h"

void StampCursor(Picture& target, const Picture& andMask, const Picture& xorColour, Point at, bool combineWithOr) {
  if (target.Empty() || andMask.Empty() || xorColour.Empty()) return;
  // On the pictures' memory: the same result as the two raster steps, without a DC per stamp
  // (an arrangement stamps thousands).
  GdiFlush();
  StampPixels({target.Pixels(), target.GetSize()}, {andMask.Pixels(), andMask.GetSize()},
              {xorColour.Pixels(), xorColour.GetSize()}, at, combineWithOr);
}
