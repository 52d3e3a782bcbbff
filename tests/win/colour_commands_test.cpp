#include <gtest/gtest.h>

#include "edit/colour_commands.h"
#include "fake_window.h"
#include "workspace/clear_colour.h"

namespace {

class ColourCommandsTest : public testing::Test {
 protected:
  void Load(Pixel fill) {
    ASSERT_TRUE(workspace_.picture.Working().Assign(PixelBuffer(4, 3, fill)));
    ASSERT_TRUE(workspace_.picture.SetBaseFromWorking());
  }
  Pixel WorkingAt(int x, int y) { return workspace_.picture.Working().Row(y)[x] & 0xFFFFFF; }

  FakeWindow host_;
  Workspace workspace_;
  ColourCommands colours_{workspace_, host_};
};

TEST_F(ColourCommandsTest, TheDefaultClearIsStrawberryMilkAndTheBasePictureStays) {
  Load(MakePixel(1, 2, 3));
  colours_.MBMP_CLRClick();
  EXPECT_EQ(WorkingAt(0, 0), MakePixel(255, 240, 230));
  EXPECT_EQ(WorkingAt(3, 2), MakePixel(255, 240, 230));
  EXPECT_EQ(workspace_.picture.Base().Row(0)[0] & 0xFFFFFF, MakePixel(1, 2, 3));
}

TEST_F(ColourCommandsTest, APickedColourNamesItselfBlueGreenRedAndFills) {
  Load(MakePixel(1, 2, 3));
  colours_.TakeUserColour(0x0000FF);  // pure red
  EXPECT_EQ(host_.Menu().Caption("BMPBG6"), "BGR = [0000FF]");
  EXPECT_TRUE(host_.Menu().Checked("BMPBG6"));
  EXPECT_FALSE(host_.Menu().Checked("BMPBG5"));
  EXPECT_EQ(workspace_.settings.clearColourIndex, 6);
  EXPECT_EQ(WorkingAt(2, 1), MakePixel(255, 0, 0));
}

TEST_F(ColourCommandsTest, ChoosingAnEntryWithoutAPictureOnlyMovesTheCheck) {
  colours_.BMPBG0Click(4);
  EXPECT_TRUE(host_.Menu().Checked("BMPBG4"));
  EXPECT_TRUE(workspace_.picture.Working().Empty());
  colours_.MBMP_CLR0Click();
  EXPECT_FALSE(host_.Menu().Enabled("MBMP_CLR"));
}

TEST_F(ColourCommandsTest, InvertingTwiceGivesThePictureBack) {
  Load(MakePixel(10, 200, 33));
  workspace_.picture.Working().Row(1)[2] = MakePixel(255, 0, 128);
  colours_.MIRO_TURNClick();
  EXPECT_EQ(WorkingAt(0, 0), MakePixel(245, 55, 222));
  EXPECT_EQ(WorkingAt(2, 1), MakePixel(0, 255, 127));
  colours_.MIRO_TURNClick();
  EXPECT_EQ(WorkingAt(0, 0), MakePixel(10, 200, 33));
  EXPECT_EQ(WorkingAt(2, 1), MakePixel(255, 0, 128));
}

TEST(ClearColour, EveryEntryHasItsColour) {
  const SystemColours system{0x111111, 0x222222, 0x333333};
  const int expected[] = {0x111111, 0x222222, 0x333333, 0xFFFFFF, 0x000000, 0xE6F0FF, 0x0000FF};
  for (int index = 0; index < 7; ++index) EXPECT_EQ(ClearColourOf(index, 0x0000FF, system), expected[index]) << index;
  EXPECT_EQ(ClearColourOf(9, 0x0000FF, system), StrawberryMilk);
}

}  // namespace
