#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/path_helpers.h"
#include "common/shift_jis.h"
#include "shell/display_paths.h"

namespace {

// A small file system with a shell over it: folder names compare without letter case, some
// folders show localized display names, and a virtual folder has no file-system path.
class FakeShell : public ShellFolders {
 public:
  FakeShell() {
    for (const char* folder : {"C:\\Users", "C:\\Users\\Public", "C:\\Users\\Public\\Documents", "C:\\Data",
                               "C:\\Data\\表", "C:\\Data\\ソフト", "C:\\Data\\b", "C:\\Data\\A", "C:\\Links"}) {
      folders_.insert(folder);
    }
    displayNames_["C:\\Users\\Public\\Documents"] = "パブリックのドキュメント";
  }

  bool FolderExists(const std::string& path) override {
    const std::string key = AsciiUpperCase(path);
    for (const std::string& folder : folders_) {
      if (AsciiUpperCase(folder) == key) return true;
    }
    return key == "C:\\";
  }

  std::optional<Subfolders> ListSubfolders(const std::string& folder) override {
    ++listings;
    if (failing) return std::nullopt;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const std::string& path : folders_) {
      // Parents found by the path helpers: ソ ends in the byte of a backslash.
      if (AsciiUpperCase(ParentPath(path)) != AsciiUpperCase(RemoveTrailingSeparator(folder))) continue;
      const auto shown = displayNames_.find(path);
      pairs.emplace_back(shown != displayNames_.end() ? shown->second : ComponentsWithoutSeparators(path).back(), path);
    }
    if (AsciiUpperCase(folder) == "C:\\LINKS") pairs.emplace_back("ネットワーク", "::{F02C1A0D-BE21-4350-88B0-7367FC96EF3C}");
    return SortedSubfolders(std::move(pairs));
  }

  bool failing = false;
  int listings = 0;

 private:
  std::set<std::string> folders_;
  std::map<std::string, std::string> displayNames_;
};

struct ResolveCase {
  const char* name;
  const char* path;
  bool resolved;
  const char* result;  // the path afterwards
};

class DisplayPathResolve : public testing::TestWithParam<ResolveCase> {};

TEST_P(DisplayPathResolve, MapsDisplayNamesToFolders) {
  FakeShell shell;
  std::string path = GetParam().path;
  EXPECT_EQ(ResolveDisplayPath(path, shell), GetParam().resolved);
  EXPECT_EQ(path, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DisplayPathResolve,
    testing::Values(
        ResolveCase{"LocalizedName", "C:\\Users\\Public\\パブリックのドキュメント",
                    true, "C:\\Users\\Public\\Documents"},
        ResolveCase{"RealNamesAsTheyAre", "C:\\Data\\表", true, "C:\\Data\\表"},
        ResolveCase{"OtherLetterCaseStaysAsTyped", "c:\\data\\a", true, "c:\\data\\a"},
        ResolveCase{"DriveAloneSucceedsUnchanged", "Q:\\", true, "Q:\\"},
        ResolveCase{"UnknownNameFails", "C:\\Data\\nowhere", false, "C:\\Data\\nowhere"},
        ResolveCase{"BelowAnUnknownNameFails", "C:\\Users\\Public\\パブリックのドキュメント\\x", false,
                    "C:\\Users\\Public\\パブリックのドキュメント\\x"},
        ResolveCase{"VirtualFolderIsNoDrivePath", "C:\\Links\\ネットワーク", false, "C:\\Links\\ネットワーク"}),
    [](const testing::TestParamInfo<ResolveCase>& info) { return std::string(info.param.name); });

TEST(DisplayPaths, ResolveFailsWhenTheShellCannotList) {
  FakeShell shell;
  shell.failing = true;
  std::string path = "C:\\Users\\Public\\パブリックのドキュメント";
  EXPECT_FALSE(ResolveDisplayPath(path, shell));
  // Existing folders need no listing at all.
  path = "C:\\Data\\ソフト";
  shell.listings = 0;
  EXPECT_TRUE(ResolveDisplayPath(path, shell));
  EXPECT_EQ(shell.listings, 0);
}

TEST(DisplayPaths, ToDisplayPathShowsEveryLevelsDisplayName) {
  FakeShell shell;
  const std::vector<std::pair<std::string, std::string>> cases{
      {"C:\\Users\\Public\\Documents", "C:\\Users\\Public\\パブリックのドキュメント"},
      {"c:\\users\\public\\documents", "c:\\Users\\Public\\パブリックのドキュメント"},
      {"C:\\Users\\Public\\パブリックのドキュメント", "C:\\Users\\Public\\パブリックのドキュメント"},
      {"C:\\Data\\ソフト", "C:\\Data\\ソフト"},
      {"C:\\", "C:\\"}};
  for (const auto& [path, shown] : cases) {
    std::string text = path;
    EXPECT_TRUE(ToDisplayPath(text, shell)) << path;
    EXPECT_EQ(text, shown) << path;
  }
  std::string missing = "C:\\Data\\gone";
  EXPECT_FALSE(ToDisplayPath(missing, shell));
  EXPECT_EQ(missing, "C:\\Data\\gone");
  shell.failing = true;
  std::string unlisted = "C:\\Data\\表";
  EXPECT_FALSE(ToDisplayPath(unlisted, shell));
  EXPECT_EQ(unlisted, "C:\\Data\\表");
}

TEST(DisplayPaths, NearestExistingFolderIsTheDeepestExistingAncestor) {
  FakeShell shell;
  const std::vector<std::pair<std::string, std::string>> cases{
      {"C:\\Data\\gone\\deeper\\still", "C:\\Data"},
      {"C:\\Data\\表", "C:\\Data"},  // an existing folder gives its parent
      {"C:\\Data\\表\\gone", "C:\\Data\\表"},
      {"C:\\Users\\Public\\パブリックのドキュメント\\gone", "C:\\Users\\Public\\Documents"},
      {"C:\\gone", "C:\\"},
      {"Q:\\x\\y", "C:\\"},  // nothing exists: the Windows folder's drive
      {"", "C:\\"}};
  for (const auto& [path, nearest] : cases) EXPECT_EQ(NearestExistingFolder(path, shell, "C:\\WINDOWS\\"), nearest) << path;
}

TEST(DisplayPaths, SortedSubfoldersKeepPairsTogether) {
  const Subfolders sorted = SortedSubfolders({{"b", "C:\\b"}, {"A", "C:\\A"}, {"a", "C:\\x"}, {"B", "C:\\B"}});
  EXPECT_EQ(sorted.displayNames, (std::vector<std::string>{"A", "a", "b", "B"}));
  EXPECT_EQ(sorted.parsingNames, (std::vector<std::string>{"C:\\A", "C:\\x", "C:\\b", "C:\\B"}));
  EXPECT_EQ(FindName(sorted.displayNames, "a"), 1u);
  EXPECT_EQ(FindName(sorted.displayNames, "B"), 3u);
  EXPECT_EQ(FindName({"Docs"}, "DOCS"), 0u);
  EXPECT_EQ(FindName({"Docs"}, "Doc"), std::nullopt);
}

}  // namespace
