#include <gtest/gtest.h>

#include "msgbox/work_area_probe.h"
#include "ui/form.h"

namespace {

// A title-less, top-most bar at the given rectangle, as a taskbar would be.
class FakeTaskbar : public Form {
 public:
  explicit FakeTaskbar(const Edges& e) {
    RegisterWindowClass("PIKTORAN_TEST_BAR");
    CreateWindowOfClass("PIKTORAN_TEST_BAR", "", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW,
                        {e.left, e.top, e.right - e.left, e.bottom - e.top}, nullptr);
  }
};

TEST(WorkAreaProbe, FindsABarCentredAcrossTheBottom) {
  ASSERT_EQ(ScreenSize(), (Size{1024, 768}));
  ForgetTaskbar();
  {
    FakeTaskbar bar({-2, 740, 1026, 770});
    EXPECT_TRUE(ProbeWorkArea());
    EXPECT_EQ(WorkArea(), (Bounds{0, 0, 1024, 740}));
  }
  // Gone: the remembered bar no longer exists and nothing else looks like one.
  EXPECT_FALSE(ProbeWorkArea());
  EXPECT_EQ(WorkArea(), (Bounds{0, 0, 1024, 768}));
}

// The system's work area for the time of a test, as a taskbar sets it.
class SystemWorkArea {
 public:
  explicit SystemWorkArea(RECT area) {
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &saved_, 0);
    SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
  }
  ~SystemWorkArea() { SystemParametersInfoA(SPI_SETWORKAREA, 0, &saved_, 0); }

 private:
  RECT saved_{};
};

// Current Windows keeps its taskbar flush with the screen's edge, which the probe does not take
// for one: the system's work area holds then.
TEST(WorkAreaProbe, ABarFlushWithTheScreenEdgeLeavesTheSystemsWorkArea) {
  ForgetTaskbar();
  FakeTaskbar bar({0, 728, 1024, 768});
  {
    const SystemWorkArea system({0, 0, 1024, 728});
    EXPECT_FALSE(ProbeWorkArea());
    EXPECT_EQ(WorkArea(), (Bounds{0, 0, 1024, 728}));
    FakeTaskbar dialog({0, 0, 400, 200});
    PlaceDialog(dialog.Handle(), bar.Handle());
    EXPECT_EQ(dialog.GetBounds(), (Bounds{312, 528, 400, 200}));
  }
  EXPECT_FALSE(ProbeWorkArea());
  EXPECT_EQ(WorkArea(), (Bounds{0, 0, 1024, 768}));
}

TEST(WorkAreaProbe, DialogsArePlacedOnTheirSourceInsideTheWorkArea) {
  ForgetTaskbar();
  FakeTaskbar bar({-2, 740, 1026, 770});
  FakeTaskbar source({700, 600, 1000, 760});  // partly under the bar
  FakeTaskbar dialog({0, 0, 400, 200});
  PlaceDialog(dialog.Handle(), source.Handle());
  const Bounds placed = dialog.GetBounds();
  EXPECT_EQ(placed, (Bounds{624, 540, 400, 200}));
}

}  // namespace
