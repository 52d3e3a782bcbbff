#include "cursor/stamp_cursor.h"

#include <utility>

#include "ui/handles.h"

void StampCursor(Picture& target, const Picture& andMask, const Picture& xorColour, Point at, bool combineWithOr) {
  if (target.Empty() || andMask.Empty() || xorColour.Empty()) return;
  const Size size = xorColour.GetSize();
  {
    PictureDc to(target);
    PictureDc mask(andMask);
    PictureDc colour(xorColour);
    BitBlt(to.Get(), at.x, at.y, size.width, size.height, mask.Get(), 0, 0, SRCAND);
    BitBlt(to.Get(), at.x, at.y, size.width, size.height, colour.Get(), 0, 0, combineWithOr ? SRCPAINT : SRCINVERT);
  }
  GdiFlush();
}
