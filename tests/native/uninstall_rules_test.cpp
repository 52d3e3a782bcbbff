#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/uninstall_rules.h"

namespace {

using Strings = std::vector<std::string>;

TEST(UninstallRules, RecordColoursKeepSystemColoursAsSignedNumbers) {
  EXPECT_EQ(ColourRecordText(SystemColourValue(15)), "-2147483633");  // button face
  EXPECT_EQ(ColourRecordText(SystemColourValue(8)), "-2147483640");   // window text
  EXPECT_EQ(ColourRecordText(0x008000), "32768");
  EXPECT_TRUE(IsSystemColour(SystemColourValue(15)));
  EXPECT_EQ(SystemColourIndex(SystemColourValue(15)), 15);
  EXPECT_FALSE(IsSystemColour(0xFFFFFF));

  EXPECT_EQ(ParseColourRecord(" -2147483633 \t"), SystemColourValue(15));
  EXPECT_EQ(ParseColourRecord("16777215"), 0xFFFFFF);
  for (const char* bad : {"", "   ", "12a", "0x10", "99999999999", "- 5"}) {
    EXPECT_EQ(ParseColourRecord(bad), std::nullopt) << bad;
  }
}

TEST(UninstallRules, HelperCopyAndItsStart) {
  EXPECT_TRUE(ReplaceExistingHelper(0, 900));
  EXPECT_TRUE(ReplaceExistingHelper(901, 900));
  EXPECT_FALSE(ReplaceExistingHelper(900, 900));
  EXPECT_FALSE(ReplaceExistingHelper(10, 900));
  EXPECT_EQ(HelperCommandLine("C:\\windows\\unin_quilo000.exe"), "\"C:\\windows\\unin_quilo000.exe\" \"/DeleteFile\"");

  EXPECT_TRUE(IsOurProgramFile("C:\\QUILOP32\\PIKTORAN\\PIKTORAN.EXE", "PIKTORAN.EXE"));
  EXPECT_TRUE(IsOurProgramFile("D:\\ツール\\piktoran.exe", "PIKTORAN.EXE"));
  for (const char* other : {"C:\\windows\\explorer.exe", "PIKTORAN.EXE", "C:\\PIKTORAN.EXE.bak", "", "C:\\"}) {
    EXPECT_FALSE(IsOurProgramFile(other, "PIKTORAN.EXE")) << other;
  }
}

TEST(UninstallRules, FoldersAreRemovedUpwardsButNeverTheDriveRoot) {
  EXPECT_EQ(FoldersToRemove("C:\\QUILOP32\\PIKTORAN\\"), (Strings{"C:\\QUILOP32\\PIKTORAN", "C:\\QUILOP32"}));
  EXPECT_EQ(FoldersToRemove("C:\\QUILOP32\\PIKTORAN"), (Strings{"C:\\QUILOP32\\PIKTORAN", "C:\\QUILOP32"}));
  EXPECT_EQ(FoldersToRemove("C:\\"), Strings{});
  EXPECT_EQ(FoldersToRemove(""), Strings{});
}

}  // namespace
