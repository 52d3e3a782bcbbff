#include "formats/program_file.h"

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

// A 16-bit program with one group at byte 256 claiming 200 bytes of its one icon, 256 bytes at
// `iconOffset` (in units of 16 bytes), in a file of 640 bytes.
Bytes OneGroupSixteenBitProgram(std::uint16_t iconOffset) {
  Bytes group = GroupDirectory({{1, 200}});
  group.resize(384, 0);
  return SixteenBitProgram({{0x800E, {{0x8001, 16, 16}}}, {0x8003, {{0x8001, iconOffset, 16}}}}, 256, group);
}

TEST(ProgramFile, SoundFilesGoToTheSystem) {
  EXPECT_TRUE(ProgramIconsAreSound(ProgramFile(OneIconPerGroup(4))));
  EXPECT_TRUE(ProgramIconsAreSound(ProgramFile({})));
  EXPECT_TRUE(ProgramIconsAreSound(OneGroupSixteenBitProgram(20)));
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
      Put16(file, c.at, static_cast<std::uint16_t>(c.value));
    } else {
      Put32(file, c.at, c.value);
    }
    EXPECT_FALSE(ProgramIconsAreSound(file)) << c.name;
  }
  EXPECT_FALSE(ProgramIconsAreSound(Bytes{'M', 'Z'}));
  EXPECT_FALSE(ProgramIconsAreSound(OneGroupSixteenBitProgram(40)));  // an icon past the end
  // The resource table runs from its offset to the resident names, which must not come first.
  const Bytes good16 = OneGroupSixteenBitProgram(20);
  for (const auto& [name, names] : {std::pair{"names before the table", 0x20}, {"names inside the table", 0x40 + 12}}) {
    Bytes file = good16;
    Put16(file, NeResidentNamesAt, static_cast<std::uint16_t>(names));
    EXPECT_FALSE(ProgramIconsAreSound(file)) << name;
  }
  DirectoryEntry lost{PlainEntry(32, 32, 4)};
  lost.offset = 0xFFFFFFF0;
  EXPECT_FALSE(ProgramIconsAreSound(IconDirectory(1, {lost})));
}

// Many names and languages leading to one group, or one group's bytes under many sizes: each group
// is checked once and the whole check is bounded by the file's size, where claiming each group
// once per path ran out of memory (512 x 512 x 512 claims from 15 KB).
TEST(ProgramFile, SharedGroupsAreCheckedOnce) {
  struct Case {
    const char* name;
    int names, languages, claims;
    bool separateData, sound;
  };
  const Case cases[] = {
      {"two names, one group", 2, 1, 4, false, true},
      {"three languages of one group", 1, 3, 4, true, true},
      {"512 names x 512 languages x 512 claims", 512, 512, 512, false, false},
      {"200 sizes of one 400-entry group", 1, 200, 400, true, false},
  };
  for (const Case& c : cases) {
    const Bytes file = ProgramFileAround(SharedGroupSection(c.names, c.languages, c.claims, c.separateData));
    EXPECT_EQ(ProgramIconsAreSound(file), c.sound) << c.name << ", " << file.size() << " bytes";
  }
  // Each data entry is looked for section by section: 20 000 entries behind 20 000 empty sections
  // would take 400 million steps for 1 MB.
  EXPECT_TRUE(ProgramIconsAreSound(ProgramFileAround(SharedGroupSection(1, 20, 1, true), 20)));
  EXPECT_FALSE(ProgramIconsAreSound(ProgramFileAround(SharedGroupSection(1, 20000, 1, true), 20000)));

  // A 1 MB 16-bit program: 5000 group resources over one group of 65535 entries, at one size or
  // each 16 bytes longer than the one before.
  constexpr std::uint16_t IconAt = 3776, GroupAt = IconAt + 16, GroupUnits = 57344;
  Bytes body(256, 0);
  body = body + GroupDirectory(std::vector<GroupEntry>(0xFFFF, GroupEntry{1, 256}));
  body.resize((16 + GroupUnits + 5000) * 16, 0);
  for (const bool growing : {false, true}) {
    std::vector<NeResource> groups;
    for (std::uint16_t i = 0; i < 5000; ++i) {
      groups.push_back({static_cast<std::uint16_t>(0x8001 + i), GroupAt, static_cast<std::uint16_t>(GroupUnits + (growing ? i : 0))});
    }
    const Bytes file = SixteenBitProgram({{0x800E, groups}, {0x8003, {{0x8001, IconAt, 16}}}}, IconAt * 16, body);
    EXPECT_EQ(ProgramIconsAreSound(file), !growing) << (growing ? "growing" : "one size") << ", " << file.size() << " bytes";
  }
}

}  // namespace
