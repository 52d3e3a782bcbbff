#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/browse_history.h"
#include "browser/browser_glyphs.h"

namespace {

using Texts = std::vector<std::string>;

TEST(BrowseHistory, PreviousGoesBackOneFolderAtATimeAndStopsAtTheFirst) {
  FolderHistory history;
  EXPECT_FALSE(history.TakePrevious().has_value());
  for (const char* folder : {"C:\\X", "C:\\Y", "C:\\Z"}) history.Append(folder);
  // Going to the folder handed out lists it again, which appends it.
  std::optional<std::string> previous = history.TakePrevious();
  EXPECT_EQ(previous, "C:\\Y");
  history.Append(*previous);
  EXPECT_EQ(history.Folders(), (Texts{"C:\\X", "C:\\Y"}));
  EXPECT_TRUE(history.CanGoBack());
  previous = history.TakePrevious();
  EXPECT_EQ(previous, "C:\\X");
  history.Append(*previous);
  EXPECT_FALSE(history.CanGoBack());
  EXPECT_FALSE(history.TakePrevious().has_value());
  EXPECT_EQ(history.Folders(), Texts{"C:\\X"});
}

TEST(BrowseHistory, DriveMemoryKeepsTheNewestFolderOfEachDriveAtTheEnd) {
  DriveMemory memory;
  for (const char* folder : {"C:\\A", "D:\\B", "c:\\C", "", "E:\\"}) memory.Record(folder);
  EXPECT_EQ(memory.Folders(), (Texts{"D:\\B", "c:\\C", "E:\\"}));
  EXPECT_EQ(memory.FolderOn('C'), "c:\\C");
  EXPECT_EQ(memory.FolderOn('d'), "D:\\B");
  EXPECT_FALSE(memory.FolderOn('F').has_value());
}

TEST(BrowseHistory, RowPathJoinsTheLevelsUpToTheRowOrWithTheSubfolder) {
  // Levels C:\ 表 ソ, then the subfolders of C:\表\ソ.
  const Texts rows{"C:\\", "表", "ソ", "a", "b"};
  EXPECT_EQ(RowPath(rows, 3, 0), "C:\\");
  EXPECT_EQ(RowPath(rows, 3, 1), "C:\\表\\");
  EXPECT_EQ(RowPath(rows, 3, 2), "C:\\表\\ソ\\");
  EXPECT_EQ(RowPath(rows, 3, 4), "C:\\表\\ソ\\b\\");
  EXPECT_EQ(RowPath(rows, 3, 5), "");
  EXPECT_EQ(RowPath({"C:\\", "x"}, 1, 1), "C:\\x\\");
}

TEST(BrowseHistory, GlyphsHaveTheirSizesAndATransparentEdge) {
  for (BrowserGlyph glyph : {BrowserGlyph::Floppy, BrowserGlyph::Fixed, BrowserGlyph::Network, BrowserGlyph::CDROM,
                             BrowserGlyph::RAM, BrowserGlyph::ClosedFolder, BrowserGlyph::OpenFolder}) {
    const PixelBuffer picture = BrowserGlyphPicture(glyph);
    const bool folder = glyph == BrowserGlyph::ClosedFolder || glyph == BrowserGlyph::OpenFolder;
    EXPECT_EQ(picture.width, folder ? 19 : 16);
    EXPECT_EQ(picture.height, folder ? 19 : 9);
    int shown = 0;
    for (Pixel pixel : picture.pixels) shown += pixel != GlyphTransparent;
    EXPECT_GT(shown, picture.width * picture.height / 4);
    EXPECT_EQ(picture.At(picture.width - 1, 0), GlyphTransparent);
  }
}

}  // namespace
