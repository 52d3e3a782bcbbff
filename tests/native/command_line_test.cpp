#include <gtest/gtest.h>

#include <set>

#include "app/command_line.h"
#include "common/program_constants.h"

namespace {

using Strings = std::vector<std::string>;

// Files that "exist", and an expansion that marks what went through it.
FileProbe ProbeWith(std::set<std::string> existing) {
  return FileProbe{[existing](const std::string& path) { return existing.count(path) > 0; },
                   [](const std::string& path) { return path + "|long"; }};
}

HandedFiles Apply(const Strings& arguments, std::set<std::string> existing = {}) {
  HandedFiles handed;
  ApplyArgumentRules(arguments, ProbeWith(std::move(existing)), handed);
  return handed;
}

TEST(ArgumentRules, CaptureRequestInAnyCaseAndWithDash) {
  for (const char* option : {"/G", "/g", "-G", "-g"}) EXPECT_TRUE(Apply({option}).captureRequested) << option;
  for (const char* option : {"/GG", "G", "/X", "-", "/", "//G", "/ｇ"}) {
    const HandedFiles handed = Apply({option});
    EXPECT_FALSE(handed.captureRequested) << option;
    EXPECT_TRUE(handed.files.empty()) << option;
  }
}

TEST(ArgumentRules, OnlyExistingFullPathsAreTaken) {
  const HandedFiles handed =
      Apply({"C:\\a.bmp", "C:\\b.bmp", "C:a.bmp", "C:\\x", "", "D:\\表.bmp", "c:\\A.BMP"},
            {"C:\\a.bmp", "C:a.bmp", "C:\\x", "D:\\表.bmp"});
  EXPECT_EQ(handed.files, (Strings{"C:\\a.bmp|long", "D:\\表.bmp|long"}));
  EXPECT_FALSE(handed.captureRequested);
}

TEST(ArgumentRules, FilesKeepTheirOrderBesideTheCaptureRequest) {
  const HandedFiles handed = Apply({"C:\\2.jpg", "-g", "C:\\1.jpg"}, {"C:\\1.jpg", "C:\\2.jpg"});
  EXPECT_EQ(handed.files, (Strings{"C:\\2.jpg|long", "C:\\1.jpg|long"}));
  EXPECT_TRUE(handed.captureRequested);
}

TEST(ArgumentRules, FullPathShape) {
  EXPECT_TRUE(LooksLikeFullPath("C:\\a.bmp"));
  EXPECT_TRUE(LooksLikeFullPath("C:\\abcd"));
  EXPECT_FALSE(LooksLikeFullPath("C:\\abc"));  // 6 bytes: too short
  EXPECT_FALSE(LooksLikeFullPath("C:a.bmpx"));
  EXPECT_FALSE(LooksLikeFullPath("\\\\srv\\x\\y"));
  EXPECT_FALSE(LooksLikeFullPath(""));
}

TEST(HandOverText, JoinedWithQuestionMarksAndCutAgain) {
  EXPECT_EQ(JoinHandOverText({}), "");
  EXPECT_EQ(JoinHandOverText({"/G"}), "/G");
  EXPECT_EQ(JoinHandOverText({"C:\\a b.bmp", "/g", "表"}), "C:\\a b.bmp?/g?表");
  EXPECT_EQ(SplitHandOverText("C:\\a b.bmp?/g?表"), (Strings{"C:\\a b.bmp", "/g", "表"}));
  EXPECT_EQ(SplitHandOverText("a??b"), (Strings{"a", "", "b"}));
  EXPECT_EQ(SplitHandOverText(""), Strings{""});
}

TEST(StartModes, DecidedFromFirstArgumentAndOwnName) {
  const std::string uninstall = "/uninstall";
  const std::string other = "/UNINSTALL";
  EXPECT_EQ(DecideStartMode(&uninstall, "PIKTORAN.EXE"), StartMode::Uninstall);
  EXPECT_EQ(DecideStartMode(&uninstall, "unin_quilo000.exe"), StartMode::Uninstall);
  EXPECT_EQ(DecideStartMode(&other, "PIKTORAN.EXE"), StartMode::Normal);
  EXPECT_EQ(DecideStartMode(nullptr, "UNIN_QUILO000.EXE"), StartMode::UninstallHelper);
  EXPECT_EQ(DecideStartMode(&other, "Unin_Quilo000.exe"), StartMode::UninstallHelper);
  EXPECT_EQ(DecideStartMode(nullptr, "PIKTORAN.EXE"), StartMode::Normal);
  EXPECT_EQ(UninstallHelperName(), "unin_quilo000.exe");
  EXPECT_EQ(UninstallHelperName(7), "unin_quilo007.exe");
  EXPECT_EQ(UninstallHelperName(1234), "unin_quilo234.exe");
  EXPECT_EQ(UninstallHelperCaption(), "UNINSTALL_QUILO000");
}

TEST(StartModes, StoredVersion) {
  const std::pair<std::string, bool> cases[] = {
      {"17", true}, {"017", true}, {"+17", true}, {"", false}, {"255", false},
      {"16", false}, {"18", false}, {"17.0", false}, {" 17", false}, {"abc", false},
  };
  for (const auto& [text, matches] : cases) EXPECT_EQ(StoredVersionMatches(&text), matches) << text;
  EXPECT_FALSE(StoredVersionMatches(nullptr));
}

}  // namespace
