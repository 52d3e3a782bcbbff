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
  EXPECT_EQ(HelperCommandLine("C:\\windows\\unin_quilo000.exe", "C:\\Tools (64-bit)\\PIKTORAN.EXE"),
            "\"C:\\windows\\unin_quilo000.exe\" \"/DeleteFile\" \"C:\\Tools (64-bit)\\PIKTORAN.EXE\"");

  EXPECT_TRUE(IsOurProgramFile("C:\\QUILOP32\\PIKTORAN\\PIKTORAN.EXE", "PIKTORAN.EXE"));
  EXPECT_TRUE(IsOurProgramFile("D:\\ツール\\piktoran.exe", "PIKTORAN.EXE"));
  for (const char* other : {"C:\\windows\\explorer.exe", "PIKTORAN.EXE", "C:\\PIKTORAN.EXE.bak", "", "C:\\"}) {
    EXPECT_FALSE(IsOurProgramFile(other, "PIKTORAN.EXE")) << other;
  }
}

// A record left by an uninstall whose helper never ran must not send this helper to another
// folder's program file.
TEST(UninstallRules, TheHelperFollowsTheRecordOfItsOwnUninstall) {
  const std::string ours = "C:\\ピクト標準\\PIKTORAN\\PIKTORAN.EXE";
  const Strings staleFirst = {"C:\\QUILOP32\\PIKTORAN\\PIKTORAN.EXE", "c:\\ピクト標準\\piktoran\\piktoran.exe"};
  EXPECT_EQ(ChooseHandoverRecord(staleFirst, &ours), 1u);
  EXPECT_EQ(ChooseHandoverRecord({"C:\\QUILOP32\\PIKTORAN\\PIKTORAN.EXE"}, &ours), std::nullopt);
  EXPECT_EQ(ChooseHandoverRecord({"", ""}, &ours), std::nullopt);
  EXPECT_EQ(ChooseHandoverRecord({}, &ours), std::nullopt);
  // An uninstall that named no file: the first record, as ever.
  EXPECT_EQ(ChooseHandoverRecord(staleFirst, nullptr), 0u);
  EXPECT_EQ(ChooseHandoverRecord({}, nullptr), std::nullopt);
}

TEST(UninstallRules, TheSignInDeletesOnlyWhatItsCommandNamesAsWritten) {
  const std::string system = "C:\\Windows\\system32";
  const std::string temporary = "C:\\Users\\a%PATH%b\\AppData\\Local\\Temp";
  EXPECT_EQ(RunOnceDeleteCommand(system, "C:\\Users\\ユーザー 1\\Temp\\unin_quilo000.exe", temporary),
            "\"C:\\Windows\\system32\\cmd.exe\" /d /v:off /c del /f /q \"C:\\Users\\ユーザー 1\\Temp\\unin_quilo000.exe\"");
  // A folder whose name cmd.exe would expand is named through %TMP%, which it expands only once.
  for (const std::string& folder : {temporary, temporary + "\\", std::string("c:\\users\\A%PATH%B\\appdata\\local\\temp")}) {
    EXPECT_EQ(RunOnceDeleteCommand(system, temporary + "\\unin_quilo000.exe", folder),
              "\"C:\\Windows\\system32\\cmd.exe\" /d /v:off /c del /f /q \"%TMP%\\unin_quilo000.exe\"")
        << folder;
  }
  EXPECT_EQ(RunOnceDeleteCommand(system, "C:\\Users\\Wow!\\Temp\\unin_quilo000.exe", "C:\\Users\\Wow!\\Temp"),
            "\"C:\\Windows\\system32\\cmd.exe\" /d /v:off /c del /f /q \"%TMP%\\unin_quilo000.exe\"");
  // Elsewhere, or with no system folder to take cmd.exe from, nothing is run at all.
  const std::optional<std::string> none;
  EXPECT_EQ(RunOnceDeleteCommand(system, "C:\\100%\\unin_quilo000.exe", temporary), none);
  EXPECT_EQ(RunOnceDeleteCommand(system, temporary + "\\x%y%.exe", temporary), none);
  EXPECT_EQ(RunOnceDeleteCommand(system, temporary + "\\unin_quilo000.exe", ""), none);
  EXPECT_EQ(RunOnceDeleteCommand(system, "C:\\a\"b\\unin_quilo000.exe", temporary), none);
  EXPECT_EQ(RunOnceDeleteCommand("", "C:\\Temp\\unin_quilo000.exe", temporary), none);
  EXPECT_EQ(RunOnceDeleteCommand("C:\\%WINDIR%", "C:\\Temp\\unin_quilo000.exe", temporary), none);
  EXPECT_EQ(RunOnceDeleteCommand(system, "", temporary), none);
}

TEST(UninstallRules, FoldersAreRemovedUpwardsButNeverTheDriveRoot) {
  EXPECT_EQ(FoldersToRemove("C:\\QUILOP32\\PIKTORAN\\"), (Strings{"C:\\QUILOP32\\PIKTORAN", "C:\\QUILOP32"}));
  EXPECT_EQ(FoldersToRemove("C:\\QUILOP32\\PIKTORAN"), (Strings{"C:\\QUILOP32\\PIKTORAN", "C:\\QUILOP32"}));
  EXPECT_EQ(FoldersToRemove("C:\\"), Strings{});
  EXPECT_EQ(FoldersToRemove(""), Strings{});
}

}  // namespace
