#include "output/paint_program_path.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using Names = std::vector<std::string>;

TEST(PaintProgramPath, CandidatesFollowTheWindowsFolder) {
  // Full paths only: a bare name would be searched for in the folder the user last opened.
  EXPECT_EQ(PaintProgramCandidates("D:\\WINNT\\"),
            (Names{"D:\\Program Files\\Accessories\\MSPAINT.EXE", "D:\\WINNT\\system32\\MSPAINT.EXE",
                   "D:\\WINNT\\system\\MSPAINT.EXE"}));
  EXPECT_EQ(PaintProgramCandidates("")[0], "C:\\Program Files\\Accessories\\MSPAINT.EXE");
  EXPECT_EQ(PaintProgramFolder("D:\\WINNT\\system32\\MSPAINT.EXE"), "D:\\WINNT\\system32");
  EXPECT_EQ(PaintProgramFolder("MSPAINT.EXE"), std::nullopt);
  EXPECT_EQ(PaintProgramFolder("\\\\server\\MSPAINT.EXE"), std::nullopt);
}

// The registered path as the system and installers write it; anything that would be searched
// for, or is not one path, is no program.
TEST(PaintProgramPath, ARegisteredPathCountsOnlyWhenFull) {
  const struct {
    const char* value;
    std::optional<std::string> program;
  } cases[] = {
      {"C:\\Windows\\system32\\mspaint.exe", "C:\\Windows\\system32\\mspaint.exe"},
      {"\"C:\\Program Files (x86)\\Paint [new]\\paint.exe\"", "C:\\Program Files (x86)\\Paint [new]\\paint.exe"},
      {"  \"d:\\paint.exe\"\t", "d:\\paint.exe"},
      {"\\\\server\\tools\\mspaint.exe", "\\\\server\\tools\\mspaint.exe"},
      {"mspaint.exe", std::nullopt},
      {"\"mspaint.exe\"", std::nullopt},
      {"system32\\mspaint.exe", std::nullopt},
      {"\\Windows\\mspaint.exe", std::nullopt},
      {"C:mspaint.exe", std::nullopt},
      {"C:\\", std::nullopt},
      {"\\\\\\x", std::nullopt},
      {"\"C:\\paint.exe\" /x", std::nullopt},
      {"\"C:\\paint.exe", std::nullopt},
      {"\"", std::nullopt},
      {"", std::nullopt},
      {"%SystemRoot%\\system32\\mspaint.exe", std::nullopt},  // left unexpanded
  };
  for (const auto& c : cases) EXPECT_EQ(RegisteredProgramPath(c.value), c.program) << c.value;
}

// Each hand-over gets a name of its own: the moment, and a count for more within one second.
TEST(PaintProgramPath, HandOverNamesTellTheMomentAndNeverRepeatWithinIt) {
  const HandOverTime time{2024, 1, 31, 9, 5, 7};
  EXPECT_EQ(PaintHandOverName(time, 0), "PKT_PA20240131-090507.BMP");
  EXPECT_EQ(PaintHandOverName(time, 1), "PKT_PA20240131-090507-2.BMP");
  EXPECT_EQ(PaintHandOverName(time, 99), "PKT_PA20240131-090507-100.BMP");
  EXPECT_NE(PaintHandOverName({2024, 1, 31, 9, 5, 8}, 0), PaintHandOverName(time, 0));
  // A clock gone wrong still gives a name of the same shape.
  EXPECT_EQ(PaintHandOverName({-1, 123, 0, 99, 60, 61}, 0), "PKT_PA00009900-996061.BMP");
}

}  // namespace
