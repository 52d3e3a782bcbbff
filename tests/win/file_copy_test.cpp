#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "setup/file_copy.h"
#include "temp_folder.h"

namespace {

class FileCopyTest : public testing::Test {
 protected:
  void Write(const std::string& name, std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    std::ofstream(folder_.Path(name), std::ios::binary) << bytes;
    // A date of its own, so that a copy made now cannot carry it by chance.
    const HANDLE file = CreateFileA(folder_.Path(name).c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SYSTEMTIME when{2001, 2, 0, 3, 4, 5, 6, 0};
    FILETIME date{};
    SystemTimeToFileTime(&when, &date);
    SetFileTime(file, nullptr, nullptr, &date);
    CloseHandle(file);
  }
  std::string Read(const std::string& name) {
    std::ifstream in(folder_.Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  FILETIME Date(const std::string& name) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(folder_.Path(name).c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
  }
  bool Exists(const std::string& name) { return GetFileAttributesA(folder_.Path(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

  TempFolder folder_{"file copy"};
};

TEST_F(FileCopyTest, WholeBlocksSmallFilesAndEmptyOnesCarryTheirBytesAndDate) {
  for (const std::size_t size : {2 * LargeCopyBuffer, LargeCopyBuffer + 1, std::size_t{10}, std::size_t{0}}) {
    SCOPED_TRACE(size);
    Write("SOURCE.BIN", size);
    ASSERT_EQ(CopyFileKeepDate(folder_.Path("SOURCE.BIN"), folder_.Path("TARGET.BIN")), "");
    EXPECT_EQ(Read("TARGET.BIN"), Read("SOURCE.BIN"));
    const FILETIME copied = Date("TARGET.BIN"), original = Date("SOURCE.BIN");
    EXPECT_EQ(CompareFileTime(&copied, &original), 0);
  }
  EXPECT_EQ(folder_.Contents().size(), 2u);  // no temporary file stays
}

TEST_F(FileCopyTest, AFailedCopyLeavesNoTargetAndKeepsAnOldOne) {
  Write("SOURCE.BIN", 1000);
  // A source that another program holds without sharing cannot be read.
  const HANDLE locked = CreateFileA(folder_.Path("SOURCE.BIN").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CopyFileKeepDate(folder_.Path("SOURCE.BIN"), folder_.Path("NEW.BIN")), "コピーに失敗しました");
  EXPECT_FALSE(Exists("NEW.BIN"));
  CloseHandle(locked);

  // A target in a folder that does not exist, and a read-only one, cannot be written.
  EXPECT_EQ(CopyFileKeepDate(folder_.Path("SOURCE.BIN"), folder_.Path("NO FOLDER\\NEW.BIN")), "コピーに失敗しました");
  std::ofstream(folder_.Path("OLD.BIN"), std::ios::binary) << "old";
  SetFileAttributesA(folder_.Path("OLD.BIN").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(CopyFileKeepDate(folder_.Path("SOURCE.BIN"), folder_.Path("OLD.BIN")), "コピーに失敗しました");
  EXPECT_EQ(Read("OLD.BIN"), "old");
  EXPECT_EQ(CopyFileKeepDate(folder_.Path("MISSING.BIN"), folder_.Path("NEW.BIN")), "コピーに失敗しました");
  EXPECT_EQ(folder_.Contents().size(), 2u);
}

}  // namespace
