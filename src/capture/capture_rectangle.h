#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/geometry.h"

// The capture types in the order of the GType0..GType7 entries (the stored "GType" index).
enum class CaptureType {
  FullScreen,          // GType0
  ActiveWindow,        // GType1: the foreground window once the main window is hidden
  WindowWithOwner,     // GType2: window under the pointer together with its owner
  WindowUnderPointer,  // GType3
  UnderMainWindow,     // GType4
  Fixed,               // GType5
  TopLeftIcon,         // GType6: 32 x 32 at the main window's top-left corner
  TopLeftSize,         // GType7
};

// What the window queries found when the capture fired. A query that found no window
// gives an empty rectangle, which ends in the whole-screen fallback.
struct CaptureScene {
  Size screen;    // the primary screen, at 0, 0: what 画面全体 captures
  Edges desktop;  // all monitors together; empty: the primary screen alone
  Bounds mainWindow;
  Edges foregroundWindow;
  Edges windowUnderPointer;
  std::optional<Edges> ownerWindow;  // nullopt: no owner, or the owner is the window itself
  Bounds fixedRectangle;
  Size topLeftSize;
};

// A clipped range as it is reported; 64-bit because clipping a far-off rectangle can leave
// values outside int.
struct CaptureRange {
  long long x = 0;
  long long y = 0;
  long long width = 0;
  long long height = 0;
  friend bool operator==(const CaptureRange&, const CaptureRange&) = default;
};

struct CaptureArea {
  Bounds rectangle;  // screen rectangle to copy, always inside the desktop
  // Corners of a type-2 box that neither window covers, relative to the rectangle's
  // top-left: top-left, bottom-right, bottom-left, top-right, those present. At most four.
  std::vector<Bounds> fill;
  // Set when the clipped range was empty: the caller shows InvalidRangeMessage, and the
  // rectangle is then the whole screen with no fill.
  std::optional<CaptureRange> invalidRange;
};

CaptureArea DetermineCaptureArea(CaptureType type, const CaptureScene& scene);

// "指定範囲が不正です・・・" with the clipped values and the whole-screen notice.
std::string InvalidRangeMessage(const CaptureRange& range);

// The pointer overlay applies when the pointer lies in the rectangle, right and bottom
// edges included.
bool PointerInCapture(Point pointer, const Bounds& rectangle);
