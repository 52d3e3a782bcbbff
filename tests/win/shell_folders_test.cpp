#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "common/path_helpers.h"
#include "shell/file_system.h"
#include "shell/shell_folders.h"
#include "temp_folder.h"

namespace {

using Names = std::vector<std::string>;

// A temporary folder with subfolders (a hidden one and two whose names end in the byte of a
// backslash) and a file.
class ShellFoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.Created());
    for (const char* name : {"b", "A", "表", "ソフト", "hidden"}) ASSERT_TRUE(CreateDirectoryA(temp_.Path(name).c_str(), nullptr));
    SetFileAttributesA(temp_.Path("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CloseHandle(CreateFileA(temp_.Path("file.txt").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  }
  void TearDown() override {
    for (const std::string& name : temp_.Contents()) RemoveDirectoryA(temp_.Path(name).c_str());
  }
  std::string Folder() const { return RemoveTrailingSeparator(temp_.Path()); }

  TempFolder temp_{"shell folders"};
};

TEST_F(ShellFoldersTest, ListsEverySubfolderSortedWithItsPath) {
  const std::optional<Subfolders> folders = SystemShell().ListSubfolders(Folder());
  ASSERT_TRUE(folders.has_value());
  EXPECT_EQ(folders->displayNames, (Names{"A", "b", "hidden", "ソフト", "表"}));
  Names expected;
  for (const std::string& name : folders->displayNames) expected.push_back(temp_.Path(name));
  EXPECT_EQ(folders->parsingNames, expected);
  EXPECT_EQ(ListShellSubfolderNames(Folder()), folders->displayNames);
  EXPECT_EQ(SystemShell().ListSubfolders(temp_.Path("gone")), std::nullopt);
  EXPECT_EQ(ListShellSubfolderNames(temp_.Path("file.txt")), std::nullopt);
}

TEST_F(ShellFoldersTest, DisplayPathsGoBothWays) {
  for (const char* name : {"表", "ソフト"}) {
    std::string path = temp_.Path(name);
    ASSERT_TRUE(ToDisplayPath(path, SystemShell())) << name;
    ASSERT_TRUE(ResolveDisplayPath(path, SystemShell())) << name;
    EXPECT_EQ(lstrcmpiA(path.c_str(), temp_.Path(name).c_str()), 0) << path;
  }
  // The user's documents, which the shell may show under another name.
  char documents[MAX_PATH] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, documents)));
  std::string shown = documents;
  ASSERT_TRUE(ToDisplayPath(shown, SystemShell()));
  std::string resolved = shown;
  ASSERT_TRUE(ResolveDisplayPath(resolved, SystemShell())) << shown;
  EXPECT_EQ(lstrcmpiA(resolved.c_str(), documents), 0) << shown << " -> " << resolved;
}

TEST_F(ShellFoldersTest, NearestExistingFolderOfVanishedFolders) {
  EXPECT_EQ(NearestExistingFolder(temp_.Path("gone\\deeper\\still"), SystemShell(), WindowsFolder()), Folder());
  EXPECT_EQ(NearestExistingFolder(temp_.Path("表\\gone"), SystemShell(), WindowsFolder()), temp_.Path("表"));
  EXPECT_EQ(NearestExistingFolder("Q:\\nowhere\\x", SystemShell(), WindowsFolder()), WindowsFolder().substr(0, 3));
}

}  // namespace
