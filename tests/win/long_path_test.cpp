#include <gtest/gtest.h>

#include <fstream>

#include "app/long_path.h"
#include "common/path_helpers.h"
#include "ui/win32.h"

namespace {

// A folder of its own under the temporary folder, removed afterwards.
class LongPath : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    char longTemp[MAX_PATH];
    GetLongPathNameA(temp, longTemp, sizeof longTemp);
    root_ = AddTrailingSeparator(longTemp) + "piktoran long path test " + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
  }
  void TearDown() override {
    for (auto it = created_.rbegin(); it != created_.rend(); ++it) {
      if (!DeleteFileA(it->c_str())) RemoveDirectoryA(it->c_str());
    }
    RemoveDirectoryA(root_.c_str());
  }
  std::string MakeFolder(const std::string& path) {
    EXPECT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
    created_.push_back(path);
    return path;
  }
  std::string MakeFile(const std::string& path) {
    std::ofstream(path) << "x";
    created_.push_back(path);
    return path;
  }
  static std::string ShortName(const std::string& path) {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
    return std::string(buffer, length);
  }

  std::string root_;
  std::vector<std::string> created_;
};

TEST_F(LongPath, ShortNamesComeBackLong) {
  const std::string folder = MakeFolder(root_ + "\\A folder with a long name");
  const std::string file = MakeFile(folder + "\\picture with a long name.bitmap");
  const std::string shortPath = ShortName(file);
  ASSERT_FALSE(shortPath.empty());
  ASSERT_NE(shortPath, file);  // the system really gave 8.3 names
  EXPECT_EQ(ExpandLongPath(shortPath), file);
  EXPECT_EQ(ExpandLongPath(ShortName(folder) + "\\"), folder);
}

TEST_F(LongPath, JapaneseNamesWithBackslashBytes) {
  const std::string folder = MakeFolder(root_ + "\\表示ソフト");
  const std::string file = MakeFile(folder + "\\画像ファイル表.bmp");
  EXPECT_EQ(ExpandLongPath(ShortName(file)), file);
  EXPECT_EQ(ExpandLongPath(file), file);
}

TEST_F(LongPath, MissingPathsComeBackAsTheyAre) {
  EXPECT_EQ(ExpandLongPath(root_ + "\\no such file.txt"), root_ + "\\no such file.txt");
  EXPECT_EQ(ExpandLongPath("C:\\"), "C:\\");
  EXPECT_EQ(ExpandLongPath("Q:\\nothing\\here\\"), "Q:\\nothing\\here");
  EXPECT_EQ(ExpandLongPath("C:\\*"), "C:\\*");
}

}  // namespace
