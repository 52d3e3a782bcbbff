#include "cursor/stamp_cursor.h"

#include <utility>

#include "ui/handles.h"

namespace {

// A memory DC with a picture selected into it, for one raster step.
class PictureDc {
 public:
  explicit PictureDc(const Picture& picture)
      : dc_(CreateCompatibleDC(nullptr)), selected_(dc_.Get(), picture.Handle()) {}
  HDC Get() const { return dc_.Get(); }

 private:
  MemoryDc dc_;
  SelectedObject selected_;
};

}  // namespace

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

bool LoadSystemArrow(CurrentCursor& cursor) {
  cursor = {};
  const HCURSOR arrow = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW, shared: not destroyed
  ICONINFO info{};
  if (!arrow || !GetIconInfo(arrow, &info)) return false;
  // GetIconInfo hands over copies of the two bitmaps.
  const BitmapHandle mask(info.hbmMask);
  const BitmapHandle colour(info.hbmColor);
  const Size size{GetSystemMetrics(SM_CXCURSOR), GetSystemMetrics(SM_CYCURSOR)};
  CurrentCursor loaded;
  if (!loaded.andMask.Create(size) || !loaded.xorColour.Create(size)) return false;
  {
    PictureDc maskDc(loaded.andMask);
    PictureDc colourDc(loaded.xorColour);
    // The colour picture starts black, which leaves the background as it is under exclusive-or.
    DrawIconEx(maskDc.Get(), 0, 0, arrow, size.width, size.height, 0, nullptr, DI_MASK);
    DrawIconEx(colourDc.Get(), 0, 0, arrow, size.width, size.height, 0, nullptr, DI_IMAGE);
  }
  GdiFlush();
  loaded.hotSpot = {static_cast<int>(info.xHotspot), static_cast<int>(info.yHotspot)};
  cursor = std::move(loaded);
  return true;
}
