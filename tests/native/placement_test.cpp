#include <gtest/gtest.h>

#include "app/window_placement.h"
#include "common/geometry.h"
#include "msgbox/work_area.h"

namespace {

constexpr Size Screen{1024, 768};
constexpr Bounds WholeScreen{0, 0, 1024, 768};

TEST(MainWindowPlacement, StoredPositionOrCentredDefault) {
  const Bounds centred{(1024 - 445) / 2, (768 - 300) / 2, 445, 300};
  EXPECT_EQ(MainWindowBounds(std::nullopt, Screen, WholeScreen), centred);
  EXPECT_EQ(MainWindowBounds("10,20,500,400", Screen, WholeScreen), (Bounds{10, 20, 500, 400}));
  for (const char* bad : {"", "10,20,500", "10,20,500,400,1", "a,b,c,d", "10,20,1025,300",
                          "10,20,445,769", "10,20,0,300", "10,20,445,-1", "1,2,99999999999,3"}) {
    EXPECT_EQ(MainWindowBounds(std::string(bad), Screen, WholeScreen), centred) << bad;
  }
  // Exactly the screen's size still fits.
  EXPECT_EQ(MainWindowBounds("0,0,1024,768", Screen, WholeScreen), WholeScreen);
}

TEST(MainWindowPlacement, PulledInsideTheWorkArea) {
  const Bounds work{0, 0, 1024, 740};
  EXPECT_EQ(MainWindowBounds("900,700,445,300", Screen, work), (Bounds{1024 - 445, 740 - 300, 445, 300}));
  EXPECT_EQ(MainWindowBounds("-100,-50,445,300", Screen, work), (Bounds{0, 0, 445, 300}));
  EXPECT_EQ(MainWindowBounds("-2147483648,2147483647,445,300", Screen, work), (Bounds{0, 440, 445, 300}));
  // Taller than the work area: the top edge wins.
  EXPECT_EQ(MainWindowBounds("0,100,445,768", Screen, work), (Bounds{0, 0, 445, 768}));
}

TEST(WorkArea, TaskbarRecognisedOnlyWhenCentredAndUntitled) {
  EXPECT_TRUE(IsTaskbarCandidate({-2, 740, 1026, 770}, Screen, 0));
  EXPECT_FALSE(IsTaskbarCandidate({-2, 740, 1026, 770}, Screen, 5));  // has a title
  EXPECT_FALSE(IsTaskbarCandidate({0, 740, 1024, 768}, Screen, 0));   // starts at the edge
  EXPECT_FALSE(IsTaskbarCandidate({-2, 300, 1026, 700}, Screen, 0));  // taller than half
  EXPECT_TRUE(IsTaskbarCandidate({-2, -2, 60, 770}, Screen, 0));      // left bar
  EXPECT_TRUE(IsTaskbarCandidate({980, -2, 1026, 770}, Screen, 0));   // right bar
  EXPECT_FALSE(IsTaskbarCandidate({0, -2, 600, 770}, Screen, 0));     // wider than half
  EXPECT_FALSE(IsTaskbarCandidate({10, 10, 100, 100}, Screen, 0));    // not centred
}

TEST(WorkArea, AreaLeftFreeByTheBar) {
  EXPECT_EQ(WorkAreaBesideTaskbar({-2, 740, 1026, 770}, Screen), (Bounds{0, 0, 1024, 740}));
  EXPECT_EQ(WorkAreaBesideTaskbar({-2, -2, 1026, 28}, Screen), (Bounds{0, 28, 1024, 740}));
  EXPECT_EQ(WorkAreaBesideTaskbar({-2, -2, 60, 770}, Screen), (Bounds{60, 0, 964, 768}));
  EXPECT_EQ(WorkAreaBesideTaskbar({980, -2, 1026, 770}, Screen), (Bounds{0, 0, 980, 768}));
  EXPECT_EQ(WorkAreaBesideTaskbar({-2, 0, 1026, 770}, Screen), std::nullopt);  // nothing left above
  EXPECT_EQ(WorkAreaBesideTaskbar({-2, -5, 1026, 800}, Screen), std::nullopt);
}

TEST(DialogPlacement, CentredOnSourceAndClamped) {
  const Bounds work{0, 0, 1024, 740};
  EXPECT_EQ(PlaceOn({100, 100, 445, 300}, {200, 100}, work), (Bounds{222, 200, 200, 100}));
  // A source partly off the screen: pulled in.
  EXPECT_EQ(PlaceOn({-300, 600, 445, 300}, {300, 200}, work), (Bounds{0, 540, 300, 200}));
  // Larger than the work area: left and top edges win.
  EXPECT_EQ(PlaceOn({0, 0, 1024, 768}, {1200, 900}, work), (Bounds{0, 0, 1200, 900}));
  // Odd differences are truncated toward zero.
  EXPECT_EQ(PlaceOn({0, 0, 101, 101}, {200, 200}, WholeScreen), (Bounds{0, 0, 200, 200}));
  EXPECT_EQ(PlaceOn({500, 500, 101, 101}, {200, 200}, WholeScreen), (Bounds{451, 451, 200, 200}));
}

// A system dialog as it first comes up, kept inside the work area of its monitor.
TEST(DialogPlacement, SystemDialogsKeptInsideTheWorkArea) {
  const Bounds work{0, 0, 1024, 740};
  // The BMP save dialog as it came up on a 1024 × 768 screen: its right part was off the screen.
  EXPECT_EQ(FitIntoWorkArea({290, 150, 787, 450}, work, false), (Bounds{237, 150, 787, 450}));
  EXPECT_EQ(FitIntoWorkArea({290, 150, 787, 450}, work, true), (Bounds{237, 150, 787, 450}));
  // Inside already: untouched.
  EXPECT_EQ(FitIntoWorkArea({10, 10, 500, 400}, work, true), (Bounds{10, 10, 500, 400}));
  // Larger than the work area: a resizable one shrinks to it, another keeps its size, its left
  // and top edges inside.
  EXPECT_EQ(FitIntoWorkArea({-40, 300, 1100, 800}, work, true), (Bounds{0, 0, 1024, 740}));
  EXPECT_EQ(FitIntoWorkArea({-40, 300, 1100, 800}, work, false), (Bounds{0, 0, 1100, 800}));
  // A second monitor left of the primary one, with its taskbar on the left.
  const Bounds left{-1240, 0, 1240, 1024};
  EXPECT_EQ(FitIntoWorkArea({-300, 900, 600, 400}, left, true), (Bounds{-600, 624, 600, 400}));
  EXPECT_EQ(PlaceOn({-1280, 100, 400, 300}, {500, 200}, left), (Bounds{-1240, 150, 500, 200}));
}

}  // namespace
