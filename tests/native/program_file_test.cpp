#include "cursor/program_file.h"

#include <gtest/gtest.h>

#include <string>

#include "../support/program_file_builder.h"

namespace {

using namespace cursor_test;

std::uint32_t Get32(const Bytes& bytes, std::size_t at) { return *ReadU32(bytes, at); }

// Where a resource directory entry at `entry` leads, as a file offset.
std::size_t Follow(const Bytes& file, std::size_t entry) {
  return ResourceFileOffset + (Get32(file, entry + 4) & 0x7FFFFFFF);
}

// Offsets in a built program file with four icons: root entry of type 14, the first group's name
// directory entry, its data entry and its data.
struct Layout {
  std::size_t groupType = RootEntriesOffset + 8;
  std::size_t groupName, groupLanguage, groupDataEntry, groupData;
  explicit Layout(const Bytes& file) {
    groupName = Follow(file, groupType) + 16;
    groupLanguage = Follow(file, groupName) + 16;
    groupDataEntry = Follow(file, groupLanguage);
    groupData = Get32(file, groupDataEntry) - ResourceRva + ResourceFileOffset;
  }
};

// A 16-bit program: its header at 64, the resource table right after, one group and one icon.
Bytes SixteenBitProgram(std::uint16_t iconOffset) {
  Bytes file(64, 0);
  file[0] = 'M';
  file[1] = 'Z';
  Put32(file, 0x3C, 64);
  Bytes header(0x40, 0);
  header[0] = 'N';
  header[1] = 'E';
  header[0x24] = 0x40;  // resource table right after the header
  header[0x26] = 0x80;  // resident names after it
  Bytes table;
  Append16(table, 4);  // units of 16 bytes
  for (const auto& [type, id, offset] : {std::tuple{0x800Eu, 0x8001u, 16u}, std::tuple{0x8003u, 0x8001u, 0u + iconOffset}}) {
    Append16(table, type);
    Append16(table, 1);
    Append32(table, 0);
    Append16(table, offset);
    Append16(table, 16);  // 256 bytes
    Append16(table, 0);
    Append16(table, id);
    Append32(table, 0);
  }
  Append16(table, 0);
  file = file + header + table;
  file.resize(256, 0);
  file = file + GroupDirectory({{1, 200}});
  file.resize(640, 0);
  return file;
}

TEST(ProgramFile, SoundFilesGoToTheSystem) {
  EXPECT_TRUE(ProgramIconsAreSound(ProgramFile(OneIconPerGroup(4))));
  EXPECT_TRUE(ProgramIconsAreSound(ProgramFile({})));
  EXPECT_TRUE(ProgramIconsAreSound(SixteenBitProgram(20)));
  Bytes noProgram(64, 0);
  noProgram[0] = 'M';
  noProgram[1] = 'Z';
  Put32(noProgram, 0x3C, 8);
  EXPECT_TRUE(ProgramIconsAreSound(noProgram));  // the system finds no icons in it
  EXPECT_TRUE(ProgramIconsAreSound(IconDirectory(1, {{PlainEntry(32, 32, 4)}})));
}

TEST(ProgramFile, HostileFilesAreRefused) {
  const Bytes good = ProgramFile(OneIconPerGroup(4));
  const Layout layout(good);
  struct Case {
    std::string name;
    std::size_t at;
    std::uint32_t value;
    bool word = false;
  };
  const Case cases[] = {
      {"34 section data beyond the file", SectionHeaderOffset + 16, 0x10000},
      {"34 section offset and size wrap", SectionHeaderOffset + 20, 0xFFFFFF00},
      {"34 data outside every section", layout.groupDataEntry, 0x50000},
      {"34 data longer than its section", layout.groupDataEntry + 4, 0x10000},
      {"34 resources in no section", 64 + 24 + 96 + 16, 0x100},
      {"35 group type pointing at the root", layout.groupType + 4, 0x80000000},
      {"35 group name pointing at its type", layout.groupName + 4, 0x80000000 | Get32(good, layout.groupType + 4)},
      {"35 language pointing at a directory", layout.groupLanguage + 4, 0x80000000 | Get32(good, layout.groupName + 4)},
      {"36 root claiming 65535 entries", ResourceFileOffset + 14, 0xFFFF, true},
      {"36 empty language directory", Follow(good, layout.groupName) + 14, 0, true},
      {"36 group claiming 65535 icons", layout.groupData + 4, 0xFFFF, true},
      {"37 group claiming more bytes than its icon has", layout.groupData + 6 + 8, 5000},
      {"37 group naming a missing icon", layout.groupData + 6 + 12, 77, true},
  };
  for (const Case& c : cases) {
    Bytes file = good;
    if (c.word) {
      file[c.at] = static_cast<std::uint8_t>(c.value);
      file[c.at + 1] = static_cast<std::uint8_t>(c.value >> 8);
    } else {
      Put32(file, c.at, c.value);
    }
    EXPECT_FALSE(ProgramIconsAreSound(file)) << c.name;
  }
  EXPECT_FALSE(ProgramIconsAreSound(Bytes{'M', 'Z'}));
  EXPECT_FALSE(ProgramIconsAreSound(SixteenBitProgram(40)));  // an icon past the end
  DirectoryEntry lost{PlainEntry(32, 32, 4)};
  lost.offset = 0xFFFFFFF0;
  EXPECT_FALSE(ProgramIconsAreSound(IconDirectory(1, {lost})));
}

}  // namespace
