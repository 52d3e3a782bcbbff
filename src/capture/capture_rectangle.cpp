#include "capture/capture_rectangle.h"

#include <algorithm>

#include "common/decimal.h"

namespace {

constexpr int TopLeftIconSize = 32;

// Window rectangles may lie anywhere, and stored sizes are not range-checked: the sums are
// done in 64 bits.
struct Range {
  long long x = 0;
  long long y = 0;
  long long w = 0;
  long long h = 0;
  long long Right() const { return x + w; }
  long long Bottom() const { return y + h; }
};

Range FromBounds(const Bounds& b) { return {b.left, b.top, b.width, b.height}; }

Range FromEdges(const Edges& e) {
  return {e.left, e.top, static_cast<long long>(e.right) - e.left, static_cast<long long>(e.bottom) - e.top};
}

// A window may lie on any monitor, so the window types are cut to the desktop of all monitors.
Edges Desktop(const CaptureScene& scene) {
  if (scene.desktop.Width() > 0 && scene.desktop.Height() > 0) return scene.desktop;
  return {0, 0, scene.screen.width, scene.screen.height};
}

Range ClipToDesktop(Range r, const Edges& desktop) {
  if (r.x < desktop.left) {
    r.w -= desktop.left - r.x;
    r.x = desktop.left;
  }
  if (r.y < desktop.top) {
    r.h -= desktop.top - r.y;
    r.y = desktop.top;
  }
  if (r.Right() > desktop.right) r.w = desktop.right - r.x;
  if (r.Bottom() > desktop.bottom) r.h = desktop.bottom - r.y;
  return r;
}

// Which rectangle reaches further along one axis towards a corner: +1 the owner, -1 the
// window, 0 both alike.
int Reach(long long window, long long owner, bool towardsSmaller) {
  if (window == owner) return 0;
  return (owner < window) == towardsSmaller ? 1 : -1;
}

// A corner of the bounding box is covered by neither rectangle when one of them reaches it
// along x and the other along y.
bool Uncovered(int reachX, int reachY) { return reachX * reachY < 0; }

long long Distance(long long a, long long b) { return a > b ? a - b : b - a; }

// A gap may stick out of the box only when a window lay wholly off the screen; the fill
// never paints outside the capture.
void AddGap(std::vector<Bounds>& fill, Range gap, const Range& box) {
  const long long left = std::max(gap.x, 0LL);
  const long long top = std::max(gap.y, 0LL);
  const long long right = std::min(gap.Right(), box.w);
  const long long bottom = std::min(gap.Bottom(), box.h);
  if (right <= left || bottom <= top) return;
  fill.push_back({static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                  static_cast<int>(bottom - top)});
}

Range WindowWithOwner(const CaptureScene& scene, std::vector<Bounds>& fill) {
  const Range window = FromEdges(scene.windowUnderPointer);
  if (!scene.ownerWindow) return window;
  const Range owner = FromEdges(*scene.ownerWindow);
  if (owner.w <= 0 || owner.h <= 0) return window;

  const Range a = ClipToDesktop(window, Desktop(scene));
  const Range b = ClipToDesktop(owner, Desktop(scene));
  Range box;
  box.x = std::min(a.x, b.x);
  box.y = std::min(a.y, b.y);
  box.w = std::max(a.Right(), b.Right()) - box.x;
  box.h = std::max(a.Bottom(), b.Bottom()) - box.y;

  const int leftReach = Reach(a.x, b.x, true);
  const int topReach = Reach(a.y, b.y, true);
  const int rightReach = Reach(a.Right(), b.Right(), false);
  const int bottomReach = Reach(a.Bottom(), b.Bottom(), false);
  const long long leftWidth = Distance(a.x, b.x);
  const long long topHeight = Distance(a.y, b.y);
  const long long rightWidth = Distance(a.Right(), b.Right());
  const long long bottomHeight = Distance(a.Bottom(), b.Bottom());

  if (Uncovered(leftReach, topReach)) AddGap(fill, {0, 0, leftWidth, topHeight}, box);
  if (Uncovered(rightReach, bottomReach))
    AddGap(fill, {box.w - rightWidth, box.h - bottomHeight, rightWidth, bottomHeight}, box);
  if (Uncovered(leftReach, bottomReach)) AddGap(fill, {0, box.h - bottomHeight, leftWidth, bottomHeight}, box);
  if (Uncovered(rightReach, topReach)) AddGap(fill, {box.w - rightWidth, 0, rightWidth, topHeight}, box);
  return box;
}

Range Unclipped(CaptureType type, const CaptureScene& scene, std::vector<Bounds>& fill) {
  const Bounds& form = scene.mainWindow;
  switch (type) {
    case CaptureType::FullScreen:
      break;
    case CaptureType::ActiveWindow:
      return FromEdges(scene.foregroundWindow);
    case CaptureType::WindowWithOwner:
      return WindowWithOwner(scene, fill);
    case CaptureType::WindowUnderPointer:
      return FromEdges(scene.windowUnderPointer);
    case CaptureType::UnderMainWindow:
      return FromBounds(form);
    case CaptureType::Fixed:
      return FromBounds(scene.fixedRectangle);
    case CaptureType::TopLeftIcon:
      return {form.left, form.top, TopLeftIconSize, TopLeftIconSize};
    case CaptureType::TopLeftSize:
      return {form.left, form.top, scene.topLeftSize.width, scene.topLeftSize.height};
  }
  return {0, 0, scene.screen.width, scene.screen.height};
}

}  // namespace

CaptureArea DetermineCaptureArea(CaptureType type, const CaptureScene& scene) {
  CaptureArea area;
  const Range r = ClipToDesktop(Unclipped(type, scene, area.fill), Desktop(scene));
  if (r.w <= 0 || r.h <= 0) {
    area.invalidRange = CaptureRange{r.x, r.y, r.w, r.h};
    area.rectangle = {0, 0, scene.screen.width, scene.screen.height};
    area.fill.clear();  // the gaps belong to the box that was given up
    return area;
  }
  // Clipped and non-empty: inside the desktop, so every value fits.
  area.rectangle = {static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.w), static_cast<int>(r.h)};
  return area;
}

std::string InvalidRangeMessage(const CaptureRange& range) {
  return "指定範囲が不正です・・・\n" + ToDecimal(range.x) + ", " + ToDecimal(range.y) + ", " +
         ToDecimal(range.width) + ", " + ToDecimal(range.height) + "\n\n強制的に、全画面キャプチャーに切り替えます☆☆☆";
}

bool PointerInCapture(Point pointer, const Bounds& rectangle) {
  const Range r = FromBounds(rectangle);
  return r.x <= pointer.x && pointer.x <= r.Right() && r.y <= pointer.y && pointer.y <= r.Bottom();
}
