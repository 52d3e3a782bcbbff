#include <gtest/gtest.h>

#include "common/path_helpers.h"

namespace {

using Strings = std::vector<std::string>;

// "表" and "ソ" end in byte 0x5C, the backslash; "ア" (full width) does not.
const std::string Hyo = "表";
const std::string So = "ソ";

TEST(PathHelpers, SourceLiteralsAreShiftJis) {
  ASSERT_EQ(Hyo, "\x95\x5C");
  ASSERT_EQ(So, "\x83\x5C");
}

TEST(PathHelpers, SeparatorsOnPlainAndRootPaths) {
  struct Case {
    std::string in, added, removed;
  };
  const Case cases[] = {
      {"", "", ""},
      {"C:\\", "C:\\", "C:\\"},
      {"C:", "C:\\", "C:"},
      {"C:\\A", "C:\\A\\", "C:\\A"},
      {"C:\\A\\", "C:\\A\\", "C:\\A"},
      {"C:\\ABC\\", "C:\\ABC\\", "C:\\ABC"},
      {"\\\\srv\\share\\", "\\\\srv\\share\\", "\\\\srv\\share"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddTrailingSeparator(c.in), c.added) << c.in;
    EXPECT_EQ(RemoveTrailingSeparator(c.in), c.removed) << c.in;
  }
}

TEST(PathHelpers, TwoByteCharacterEndingInBackslashByteIsNoSeparator) {
  for (const std::string& ch : {Hyo, So}) {
    const std::string folder = "C:\\" + ch;  // ends in 0x5C that belongs to the character
    EXPECT_EQ(AddTrailingSeparator(folder), folder + "\\");
    EXPECT_EQ(RemoveTrailingSeparator(folder), folder);
    EXPECT_EQ(RemoveTrailingSeparator(folder + "\\"), folder);
    // Two such characters in a row: the run of lead-range bytes is even, then odd again.
    EXPECT_EQ(AddTrailingSeparator(folder + ch), folder + ch + "\\");
    EXPECT_EQ(RemoveTrailingSeparator(folder + ch + "\\"), folder + ch);
  }
  // Half-width kana are single bytes: their following backslash is a real separator.
  EXPECT_EQ(RemoveTrailingSeparator("C:\\ｱｲ\\"), "C:\\ｱｲ");
}

TEST(PathHelpers, SplitKeepsTwoByteCharactersWhole) {
  EXPECT_EQ(SplitPathComponents("C:\\A\\B"), (Strings{"C:\\", "A\\", "B\\"}));
  EXPECT_EQ(SplitPathComponents("C:\\" + Hyo + "\\" + So + "x"),
            (Strings{"C:\\", Hyo + "\\", So + "x\\"}));
  EXPECT_EQ(SplitPathComponents(""), Strings{});
  EXPECT_EQ(ComponentsWithoutSeparators("C:\\A\\" + Hyo),
            (Strings{"C:\\", "A", Hyo}));
}

TEST(PathHelpers, CumulativePathsAndParent) {
  EXPECT_EQ(CumulativePaths("C:\\A\\B"), (Strings{"C:\\", "C:\\A", "C:\\A\\B"}));
  EXPECT_EQ(CumulativePaths("C:\\A\\B\\"), (Strings{"C:\\", "C:\\A", "C:\\A\\B"}));
  EXPECT_EQ(CumulativePaths("C:\\"), Strings{"C:\\"});
  EXPECT_EQ(CumulativePaths("C:\\" + Hyo + "\\" + So),
            (Strings{"C:\\", "C:\\" + Hyo, "C:\\" + Hyo + "\\" + So}));
  EXPECT_EQ(ParentPath("C:\\A\\B"), "C:\\A");
  EXPECT_EQ(ParentPath("C:\\A"), "C:\\");
  EXPECT_EQ(ParentPath("C:\\"), "C:\\");
  EXPECT_EQ(ParentPath(""), "");
}

TEST(PathHelpers, MalformedShiftJisStaysInBounds) {
  // A lone lead byte at the end, and runs of lead bytes: no crash, nothing read past the end.
  for (const std::string& path : {std::string("C:\\\x95"), std::string("\x95"), std::string("\x95\\"),
                                  std::string("\x95\x95\x95\\"), std::string("C:\\a\\\x81")}) {
    AddTrailingSeparator(path);
    RemoveTrailingSeparator(path);
    const Strings prefixes = CumulativePaths(path);
    EXPECT_FALSE(prefixes.empty()) << path;
    ParentPath(path);
  }
}

}  // namespace
