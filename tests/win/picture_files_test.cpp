#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "output/picture_files.h"
#include "temp_folder.h"
#include "ui/win32.h"

namespace {

// The files of each test in a folder of its own.
class PictureFiles : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.Created()); }

  std::vector<std::string> FolderContents() const { return folder_.Contents(); }
  std::string Path(const std::string& name) const { return folder_.Path(name); }
  static std::vector<std::uint8_t> Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

  TempFolder folder_{"picture files"};
};

// Colours that differ in every channel from pixel to pixel.
Picture Gradient(int width, int height) {
  Picture picture;
  EXPECT_TRUE(picture.Create({width, height}));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      picture.Row(y)[x] = static_cast<Pixel>(((x * 7) & 0xFF) << 16 | ((y * 13) & 0xFF) << 8 | ((x + y) & 0xFF));
    }
  }
  return picture;
}

bool HasMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t marker) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == marker) return true;
  }
  return false;
}

TEST_F(PictureFiles, BmpComesBackPixelForPixel) {
  const Picture picture = Gradient(37, 21);  // odd width: rows with padding
  ASSERT_TRUE(WriteBmpFile(picture, Path("SHOT.BMP")));
  const auto bytes = Bytes(Path("SHOT.BMP"));
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  const auto read = ReadPictureFile(Path("SHOT.BMP"));
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, picture.ToPixelBuffer());
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"SHOT.BMP"});  // no temporary file left
}

TEST_F(PictureFiles, JpegIsProgressiveOnlyOnRequestAndReadsBackAtItsSize) {
  const Picture picture = Gradient(64, 48);
  ASSERT_TRUE(WriteJpegFile(picture, Path("P.JPG"), 100, true));
  ASSERT_TRUE(WriteJpegFile(picture, Path("B.JPG"), 100, false));
  const auto progressive = Bytes(Path("P.JPG"));
  const auto baseline = Bytes(Path("B.JPG"));
  EXPECT_TRUE(HasMarker(progressive, 0xC2));
  EXPECT_FALSE(HasMarker(progressive, 0xC0));
  EXPECT_TRUE(HasMarker(baseline, 0xC0));
  EXPECT_FALSE(HasMarker(baseline, 0xC2));
  for (const char* name : {"P.JPG", "B.JPG"}) {
    const auto read = ReadPictureFile(Path(name));
    ASSERT_TRUE(read) << name;
    EXPECT_EQ(read->width, 64);
    EXPECT_EQ(read->height, 48);
  }
}

TEST_F(PictureFiles, PngComesBackPixelForPixel) {
  const Picture picture = Gradient(37, 21);
  ASSERT_TRUE(WritePngFile(picture, Path("SHOT.PNG")));
  const auto bytes = Bytes(Path("SHOT.PNG"));
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4), (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G'}));
  const auto read = ReadPictureFile(Path("SHOT.PNG"));
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, picture.ToPixelBuffer());
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"SHOT.PNG"});  // no temporary file left
}

TEST_F(PictureFiles, TheContentDecidesNotTheExtension) {
  ASSERT_TRUE(WriteJpegFile(Gradient(8, 8), Path("REALLY_A_JPEG.BMP"), 90, false));
  ASSERT_TRUE(WritePngFile(Gradient(9, 9), Path("REALLY_A_PNG.JPG")));
  const auto read = ReadPictureFile(Path("REALLY_A_JPEG.BMP"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->width, 8);
  const auto png = ReadPictureFile(Path("REALLY_A_PNG.JPG"));
  ASSERT_TRUE(png);
  EXPECT_EQ(png->width, 9);
}

TEST_F(PictureFiles, AFailedSaveLeavesTheFileThatStoodThere) {
  const Picture good = Gradient(10, 10);
  ASSERT_TRUE(WriteBmpFile(good, Path("GOOD.BMP")));
  const auto before = Bytes(Path("GOOD.BMP"));

  // Nothing to write: an empty picture.
  EXPECT_FALSE(WriteBmpFile(Picture{}, Path("GOOD.BMP")));
  EXPECT_FALSE(WriteJpegFile(Picture{}, Path("GOOD.BMP"), 90, false));
  EXPECT_FALSE(WritePngFile(Picture{}, Path("GOOD.BMP")));
  // A target that cannot be replaced: read-only.
  ASSERT_TRUE(SetFileAttributesA(Path("GOOD.BMP").c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteBmpFile(Gradient(20, 20), Path("GOOD.BMP")));
  EXPECT_FALSE(WriteJpegFile(Gradient(20, 20), Path("GOOD.BMP"), 90, true));
  EXPECT_FALSE(WritePngFile(Gradient(20, 20), Path("GOOD.BMP")));
  // A folder that does not exist.
  EXPECT_FALSE(WriteBmpFile(good, Path("NO SUCH FOLDER\\X.BMP")));

  EXPECT_EQ(Bytes(Path("GOOD.BMP")), before);
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"GOOD.BMP"});  // no temporary file left
}

// The numbered series writes only where no file stands, also when one appears between its look
// into the folder and the move: the save fails, and both files stay as they were.
TEST_F(PictureFiles, AKeepingSaveNeverWritesOverAFile) {
  const std::vector<std::uint8_t> users = {'k', 'e', 'e', 'p'};
  Write(Path("PIKTO0001.PNG"), users);
  EXPECT_FALSE(WritePngFile(Gradient(9, 7), Path("PIKTO0001.PNG"), ExistingTarget::Keep));
  EXPECT_FALSE(WriteBmpFile(Gradient(9, 7), Path("PIKTO0001.PNG"), ExistingTarget::Keep));
  EXPECT_FALSE(WriteJpegFile(Gradient(9, 7), Path("PIKTO0001.PNG"), 90, false, ExistingTarget::Keep));
  EXPECT_EQ(Bytes(Path("PIKTO0001.PNG")), users);
  EXPECT_EQ(FolderContents(), std::vector<std::string>{"PIKTO0001.PNG"});  // no temporary file left

  ASSERT_TRUE(WritePngFile(Gradient(9, 7), Path("PIKTO0002.PNG"), ExistingTarget::Keep));
  const auto read = ReadPictureFile(Path("PIKTO0002.PNG"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->width, 9);
}

TEST_F(PictureFiles, AFileNamedLikeTheTemporaryFileSurvivesTheSave) {
  const std::string temporaryName = "SHOT.BMP.~" + std::to_string(GetCurrentProcessId());
  const std::vector<std::uint8_t> users = {'n', 'o', 't', 'e', 's', '\r', '\n'};
  Write(Path(temporaryName), users);

  ASSERT_TRUE(WriteBmpFile(Gradient(9, 7), Path("SHOT.BMP")));
  ASSERT_TRUE(WriteJpegFile(Gradient(9, 7), Path("SHOT.BMP"), 90, false));  // and once more, replacing

  EXPECT_EQ(Bytes(Path(temporaryName)), users);
  const auto read = ReadPictureFile(Path("SHOT.BMP"));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->width, 9);
  std::vector<std::string> contents = FolderContents();
  std::sort(contents.begin(), contents.end());
  EXPECT_EQ(contents, (std::vector<std::string>{"SHOT.BMP", temporaryName}));
}

TEST_F(PictureFiles, DamagedFilesAreRefused) {
  ASSERT_TRUE(WriteJpegFile(Gradient(64, 64), Path("WHOLE.JPG"), 90, false));
  auto jpeg = Bytes(Path("WHOLE.JPG"));
  jpeg.resize(jpeg.size() / 2);
  Write(Path("HALF.JPG"), jpeg);
  ASSERT_TRUE(WritePngFile(Gradient(64, 64), Path("WHOLE.PNG")));
  auto png = Bytes(Path("WHOLE.PNG"));
  png.resize(png.size() / 2);
  Write(Path("HALF.PNG"), png);

  // A BMP header claiming 60000 × 60000 pixels with no bits behind it.
  std::vector<std::uint8_t> huge = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                    0x60, 0xEA, 0, 0, 0x60, 0xEA, 0, 0, 1, 0, 24, 0};
  huge.resize(54 + 16);
  Write(Path("HUGE.BMP"), huge);
  // 8192 × 8192 claimed, and a few bytes of bits: damaged, not 256 MB of black.
  std::vector<std::uint8_t> bare = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
                                    0, 0x20, 0, 0, 0, 0x20, 0, 0, 1, 0, 24, 0};
  bare.resize(54 + 16);
  Write(Path("BARE.BMP"), bare);
  Write(Path("TEXT.BMP"), {'h', 'e', 'l', 'l', 'o'});
  Write(Path("BM.BMP"), {'B', 'M', 1, 2, 3});
  Write(Path("EMPTY.JPG"), {});
  Write(Path("ICON.ICO"), {0, 0, 1, 0, 1, 0, 32, 32, 0, 0, 1, 0, 32, 0});

  for (const char* name : {"HALF.JPG", "HALF.PNG", "HUGE.BMP", "BARE.BMP", "TEXT.BMP", "BM.BMP", "EMPTY.JPG", "ICON.ICO", "MISSING.BMP"}) {
    EXPECT_FALSE(ReadPictureFile(Path(name))) << name;
  }
}

TEST_F(PictureFiles, AFileBeyondTheReadCapIsNotRead) {
  // Sparse: the size is there without the bytes being written.
  HANDLE file = CreateFileA(Path("BIG.BMP").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, "BM", 2, &written, nullptr);
  LARGE_INTEGER end;
  end.QuadPart = MaxPictureFileBytes + 1;
  SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  CloseHandle(file);
  EXPECT_FALSE(ReadPictureFile(Path("BIG.BMP")));
}

}  // namespace
