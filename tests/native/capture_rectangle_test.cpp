#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "capture/capture_rectangle.h"

namespace {

constexpr Bounds WholeScreen{0, 0, 1024, 768};

CaptureScene Scene() {
  CaptureScene s;
  s.screen = {1024, 768};
  s.mainWindow = {100, 50, 445, 300};
  s.foregroundWindow = {10, 20, 310, 220};
  s.windowUnderPointer = {400, 300, 600, 450};
  s.fixedRectangle = {289, 234, 445, 300};
  s.topLeftSize = {64, 48};
  return s;
}

CaptureArea Fixed(const Bounds& rectangle) {
  CaptureScene s = Scene();
  s.fixedRectangle = rectangle;
  return DetermineCaptureArea(CaptureType::Fixed, s);
}

CaptureArea OwnedWindow(const Edges& window, const Edges& owner) {
  CaptureScene s = Scene();
  s.windowUnderPointer = window;
  s.ownerWindow = owner;
  return DetermineCaptureArea(CaptureType::WindowWithOwner, s);
}

TEST(CaptureRectangle, EachTypeOnScreen) {
  const struct {
    CaptureType type;
    Bounds expected;
  } cases[] = {
      {CaptureType::FullScreen, WholeScreen},
      {CaptureType::ActiveWindow, {10, 20, 300, 200}},
      {CaptureType::WindowWithOwner, {400, 300, 200, 150}},  // no owner: the window alone
      {CaptureType::WindowUnderPointer, {400, 300, 200, 150}},
      {CaptureType::UnderMainWindow, {100, 50, 445, 300}},
      {CaptureType::Fixed, {289, 234, 445, 300}},
      {CaptureType::TopLeftIcon, {100, 50, 32, 32}},
      {CaptureType::TopLeftSize, {100, 50, 64, 48}},
  };
  for (const auto& c : cases) {
    const CaptureArea area = DetermineCaptureArea(c.type, Scene());
    EXPECT_EQ(area.rectangle, c.expected) << static_cast<int>(c.type);
    EXPECT_TRUE(area.fill.empty());
    EXPECT_FALSE(area.invalidRange);
  }
}

TEST(CaptureRectangle, ClippedAtEveryScreenEdge) {
  const struct {
    Bounds fixed;
    Bounds expected;
  } cases[] = {
      {{-30, 100, 200, 100}, {0, 100, 170, 100}},          // left
      {{100, -40, 200, 100}, {100, 0, 200, 60}},           // top: a window partly above the screen
      {{900, 100, 200, 100}, {900, 100, 124, 100}},        // right
      {{100, 700, 200, 100}, {100, 700, 200, 68}},         // bottom
      {{-10, -10, 2000, 2000}, WholeScreen},               // all four
      {{1023, 767, 5, 5}, {1023, 767, 1, 1}},              // last pixel
  };
  for (const auto& c : cases) EXPECT_EQ(Fixed(c.fixed).rectangle, c.expected);
}

// A second monitor to the left of the primary one and a third below-right of it: windows there
// are captured where they are; only the whole-screen type stays on the primary screen.
TEST(CaptureRectangle, WindowsOnOtherMonitorsAreCutToTheDesktopOfAllMonitors) {
  CaptureScene s = Scene();
  s.desktop = {-1280, 0, 1024 + 800, 1024};
  const struct {
    CaptureType type;
    Edges window;
    Bounds expected;
  } cases[] = {
      {CaptureType::ActiveWindow, {-1000, 100, -600, 400}, {-1000, 100, 400, 300}},
      {CaptureType::WindowUnderPointer, {1200, 800, 1900, 1100}, {1200, 800, 624, 224}},
      {CaptureType::ActiveWindow, {-1400, -20, -1100, 200}, {-1280, 0, 180, 200}},
      {CaptureType::FullScreen, {-1000, 100, -600, 400}, WholeScreen},
  };
  for (const auto& c : cases) {
    s.foregroundWindow = s.windowUnderPointer = c.window;
    const CaptureArea area = DetermineCaptureArea(c.type, s);
    EXPECT_EQ(area.rectangle, c.expected) << static_cast<int>(c.type);
    EXPECT_FALSE(area.invalidRange);
  }
  // An owned dialog on the left monitor whose owner reaches onto the primary one.
  s.windowUnderPointer = {-300, 200, -100, 300};
  s.ownerWindow = Edges{-200, 100, 300, 250};
  EXPECT_EQ(DetermineCaptureArea(CaptureType::WindowWithOwner, s).rectangle, (Bounds{-300, 100, 600, 200}));
  // Beyond every monitor the range is still invalid, and the primary screen is captured.
  s.fixedRectangle = {2000, 100, 50, 50};
  const CaptureArea off = DetermineCaptureArea(CaptureType::Fixed, s);
  EXPECT_EQ(off.rectangle, WholeScreen);
  EXPECT_EQ(off.invalidRange, (CaptureRange{2000, 100, -176, 50}));
}

TEST(CaptureRectangle, TopLeftIconShrinksNearTheRightEdge) {
  CaptureScene s = Scene();
  s.mainWindow = {1000, 50, 445, 300};
  EXPECT_EQ(DetermineCaptureArea(CaptureType::TopLeftIcon, s).rectangle, (Bounds{1000, 50, 24, 32}));
}

TEST(CaptureRectangle, EmptyRangeFallsBackToTheWholeScreenWithClippedValues) {
  CaptureScene s = Scene();
  s.topLeftSize = {0, 0};
  const CaptureArea zero = DetermineCaptureArea(CaptureType::TopLeftSize, s);
  EXPECT_EQ(zero.rectangle, WholeScreen);
  EXPECT_EQ(zero.invalidRange, (CaptureRange{100, 50, 0, 0}));

  const struct {
    Bounds fixed;
    CaptureRange reported;
  } cases[] = {
      {{2000, 100, 50, 50}, {2000, 100, -976, 50}},  // wholly right of the screen
      {{-300, 100, 200, 50}, {0, 100, -100, 50}},    // wholly left of it
      {{100, 100, 50, -1}, {100, 100, 50, -1}},      // inverted
      // Far-off values are reported as they are, without wrapping around.
      {{INT_MAX, INT_MAX, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, 1024LL - INT_MAX, 768LL - INT_MAX}},
      {{INT_MIN, 0, -5, 10}, {0, 0, -5LL + INT_MIN, 10}},
  };
  for (const auto& c : cases) {
    const CaptureArea area = Fixed(c.fixed);
    EXPECT_EQ(area.rectangle, WholeScreen);
    EXPECT_EQ(area.invalidRange, c.reported);
  }
}

TEST(CaptureRectangle, HugeSizesDoNotWrapAround) {
  CaptureScene s = Scene();
  s.topLeftSize = {INT_MAX, INT_MAX};
  const CaptureArea area = DetermineCaptureArea(CaptureType::TopLeftSize, s);
  EXPECT_EQ(area.rectangle, (Bounds{100, 50, 924, 718}));
  EXPECT_FALSE(area.invalidRange);
}

TEST(CaptureRectangle, NoWindowFoundMeansWholeScreen) {
  CaptureScene s = Scene();
  s.foregroundWindow = {};
  const CaptureArea area = DetermineCaptureArea(CaptureType::ActiveWindow, s);
  EXPECT_EQ(area.rectangle, WholeScreen);
  EXPECT_TRUE(area.invalidRange);
}

TEST(CaptureRectangle, InvalidRangeMessage) {
  EXPECT_EQ(InvalidRangeMessage({100, 50, 0, -3}),
            "指定範囲が不正です・・・\n100, 50, 0, -3\n\n強制的に、全画面キャプチャーに切り替えます☆☆☆");
}

TEST(WindowWithOwner, OwnerThatAddsNothingLeavesTheWindowAlone) {
  const Edges window{400, 300, 600, 450};
  const Edges cases[] = {
      {100, 100, 100, 300},  // zero width
      {100, 100, 300, 100},  // zero height
      {300, 300, 200, 400},  // inverted
      window,                // the same rectangle
  };
  for (const Edges& owner : cases) {
    const CaptureArea area = OwnedWindow(window, owner);
    EXPECT_EQ(area.rectangle, (Bounds{400, 300, 200, 150}));
    EXPECT_TRUE(area.fill.empty());
  }
}

TEST(WindowWithOwner, BoundingBoxAndUncoveredCornersInOrder) {
  const struct {
    const char* where;
    Edges window;
    Edges owner;
    Bounds box;
    std::vector<Bounds> fill;
  } cases[] = {
      // An owned dialog to the lower right of its owner: bottom-left, then top-right.
      {"upper left", {300, 250, 600, 500}, {100, 100, 500, 400}, {100, 100, 500, 400},
       {{0, 300, 200, 100}, {400, 0, 100, 150}}},
      {"lower left", {300, 100, 600, 300}, {100, 200, 400, 500}, {100, 100, 500, 400},
       {{0, 0, 200, 100}, {300, 200, 200, 200}}},
      {"left", {300, 100, 500, 300}, {100, 150, 400, 250}, {100, 100, 400, 200},
       {{0, 0, 200, 50}, {0, 150, 200, 50}}},
      {"right", {100, 100, 300, 300}, {200, 150, 500, 250}, {100, 100, 400, 200},
       {{200, 150, 200, 50}, {200, 0, 200, 50}}},
      {"above", {100, 300, 400, 500}, {150, 100, 350, 400}, {100, 100, 300, 400},
       {{0, 0, 50, 200}, {250, 0, 50, 200}}},
      {"below", {150, 100, 350, 300}, {100, 200, 400, 500}, {100, 100, 300, 400},
       {{0, 0, 50, 100}, {250, 0, 50, 100}}},
      {"around", {200, 200, 300, 300}, {100, 100, 400, 400}, {100, 100, 300, 300}, {}},
      // The owner is cut to the screen before the box is formed.
      {"partly off screen", {200, 100, 500, 400}, {-100, -50, 300, 200}, {0, 0, 500, 400},
       {{0, 200, 200, 200}, {300, 0, 200, 100}}},
  };
  for (const auto& c : cases) {
    const CaptureArea area = OwnedWindow(c.window, c.owner);
    EXPECT_EQ(area.rectangle, c.box) << c.where;
    EXPECT_EQ(area.fill, c.fill) << c.where;
  }
}

TEST(WindowWithOwner, GapsStayInsideTheCapture) {
  // An owner wholly off the screen is cut to a negative size; its corners must not reach
  // outside the captured picture.
  const CaptureArea area = OwnedWindow({200, 100, 500, 400}, {-500, -500, -400, -400});
  EXPECT_EQ(area.rectangle, (Bounds{0, 0, 500, 400}));
  EXPECT_EQ(area.fill, (std::vector<Bounds>{{0, 0, 200, 400}, {0, 0, 500, 100}}));
}

TEST(WindowWithOwner, FallbackToTheWholeScreenDropsTheGaps) {
  const CaptureArea area = OwnedWindow({2000, 100, 2100, 200}, {1900, 150, 2200, 300});
  EXPECT_EQ(area.rectangle, WholeScreen);
  EXPECT_TRUE(area.invalidRange);
  EXPECT_TRUE(area.fill.empty());
}

TEST(PointerInCapture, RightAndBottomEdgesIncluded) {
  const Bounds r{100, 50, 200, 100};
  EXPECT_TRUE(PointerInCapture({100, 50}, r));
  EXPECT_TRUE(PointerInCapture({300, 150}, r));
  EXPECT_FALSE(PointerInCapture({301, 150}, r));
  EXPECT_FALSE(PointerInCapture({300, 151}, r));
  EXPECT_FALSE(PointerInCapture({99, 60}, r));
  EXPECT_FALSE(PointerInCapture({120, 49}, r));
  EXPECT_TRUE(PointerInCapture({INT_MAX, 0}, {INT_MAX - 1, 0, 10, 10}));  // no wrap-around
}

}  // namespace
