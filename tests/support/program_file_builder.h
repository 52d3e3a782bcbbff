#pragma once
// 32-bit program files with icon resources, built in memory for the tests: a DOS header, the PE
// headers, one resource section at file offset 0x200 (RVA 0x1000) holding the resource directory
// (types 3 and 14, one language each) and the icon and group data.
#include <cstdint>
#include <utility>
#include <vector>

#include "cursor_file_builder.h"

namespace cursor_test {

inline constexpr std::uint32_t ResourceFileOffset = 0x200;
inline constexpr std::uint32_t ResourceRva = 0x1000;
// Where the section header and the root directory's entries stand.
inline constexpr std::size_t SectionHeaderOffset = 64 + 4 + 20 + 224;
inline constexpr std::size_t RootEntriesOffset = ResourceFileOffset + 16;

struct GroupEntry {
  std::uint16_t iconId;
  std::uint32_t bytes;
};

inline Bytes GroupDirectory(const std::vector<GroupEntry>& entries) {
  Bytes out;
  Append16(out, 0);
  Append16(out, 1);
  Append16(out, static_cast<std::uint32_t>(entries.size()));
  for (const GroupEntry& e : entries) {
    out.insert(out.end(), {32, 32, 16, 0});
    Append16(out, 1);
    Append16(out, 4);
    Append32(out, e.bytes);
    Append16(out, e.iconId);
  }
  return out;
}

struct ProgramResources {
  std::vector<std::pair<std::uint16_t, Bytes>> icons;   // RT_ICON id, image
  std::vector<std::pair<std::uint16_t, Bytes>> groups;  // RT_GROUP_ICON id, group directory
};

// Icons 1 to `count`, 32 x 32 at 4 bits, icon i all in colour i (red, green, blue, white, then
// black), one per group.
inline ProgramResources OneIconPerGroup(int count) {
  ProgramResources resources;
  for (int i = 1; i <= count; ++i) {
    const Bytes image = PlainEntry(32, 32, 4, static_cast<std::uint32_t>(i % 16),
                                   {0, MakePixel(255, 0, 0), MakePixel(0, 255, 0), MakePixel(0, 0, 255), MakePixel(255, 255, 255)});
    resources.icons.push_back({static_cast<std::uint16_t>(i), image});
    resources.groups.push_back({static_cast<std::uint16_t>(100 + i),
                                GroupDirectory({{static_cast<std::uint16_t>(i), static_cast<std::uint32_t>(image.size())}})});
  }
  return resources;
}

inline Bytes ProgramFile(const ProgramResources& resources) {
  // The resource section: root, two type directories, a language directory per resource, the
  // data entries, then the data.
  const std::vector<std::pair<std::uint32_t, const std::vector<std::pair<std::uint16_t, Bytes>>*>> types = {
      {3, &resources.icons}, {14, &resources.groups}};
  const std::size_t resourceCount = resources.icons.size() + resources.groups.size();
  const auto directory = [](Bytes& out, std::size_t ids) {
    for (int i = 0; i < 3; ++i) Append32(out, 0);
    Append16(out, 0);
    Append16(out, static_cast<std::uint32_t>(ids));
  };
  std::uint32_t typeDirs = 16 + 2 * 8;
  std::uint32_t languageDirs = typeDirs + static_cast<std::uint32_t>(2 * 16 + resourceCount * 8);
  std::uint32_t dataEntries = languageDirs + static_cast<std::uint32_t>(resourceCount * 24);
  std::uint32_t data = dataEntries + static_cast<std::uint32_t>(resourceCount * 16);
  Bytes section;
  directory(section, 2);
  std::uint32_t typeAt = typeDirs;
  for (const auto& [type, list] : types) {
    Append32(section, type);
    Append32(section, 0x80000000u | typeAt);
    typeAt += static_cast<std::uint32_t>(16 + list->size() * 8);
  }
  std::uint32_t languageAt = languageDirs;
  for (const auto& [type, list] : types) {
    directory(section, list->size());
    for (const auto& [id, bytes] : *list) {
      Append32(section, id);
      Append32(section, 0x80000000u | languageAt);
      languageAt += 24;
    }
  }
  std::uint32_t entryAt = dataEntries;
  for (const auto& [type, list] : types) {
    for (std::size_t i = 0; i < list->size(); ++i, entryAt += 16) {
      directory(section, 1);
      Append32(section, 0x409);
      Append32(section, entryAt);
    }
  }
  Bytes blobs;
  for (const auto& [type, list] : types) {
    for (const auto& [id, bytes] : *list) {
      Append32(section, ResourceRva + data + static_cast<std::uint32_t>(blobs.size()));
      Append32(section, static_cast<std::uint32_t>(bytes.size()));
      Append32(section, 0);
      Append32(section, 0);
      blobs = blobs + bytes;
      while (blobs.size() % 4 != 0) blobs.push_back(0);
    }
  }
  section = section + blobs;
  while (section.size() % 0x200 != 0) section.push_back(0);

  Bytes file(64, 0);
  file[0] = 'M';
  file[1] = 'Z';
  Put32(file, 0x3C, 64);
  file = file + Bytes{'P', 'E', 0, 0};
  Append16(file, 0x14C);  // i386
  Append16(file, 1);      // one section
  for (int i = 0; i < 3; ++i) Append32(file, 0);
  Append16(file, 224);
  Append16(file, 0x2102);  // a DLL
  Bytes optional(224, 0);
  optional[0] = 0x0B;
  optional[1] = 0x01;
  Put32(optional, 28, 0x10000000);                    // image base
  Put32(optional, 32, 0x1000);                        // section alignment
  Put32(optional, 36, 0x200);                         // file alignment
  optional[40] = 4;                                   // system version 4.0
  optional[48] = 4;                                   // subsystem version 4.0
  Put32(optional, 56, ResourceRva + static_cast<std::uint32_t>((section.size() + 0xFFF) & ~0xFFFu));  // image size
  Put32(optional, 60, ResourceFileOffset);            // header size
  optional[68] = 2;                                   // windows subsystem
  Put32(optional, 92, 16);                            // data directories
  Put32(optional, 96 + 16, ResourceRva);
  Put32(optional, 96 + 20, static_cast<std::uint32_t>(section.size()));
  file = file + optional;
  Bytes header = Text(".rsrc") + Bytes(3, 0);
  Append32(header, static_cast<std::uint32_t>(section.size()));
  Append32(header, ResourceRva);
  Append32(header, static_cast<std::uint32_t>(section.size()));
  Append32(header, ResourceFileOffset);
  for (int i = 0; i < 3; ++i) Append32(header, 0);
  Append32(header, 0x40000040);  // initialised, readable data
  file = file + header;
  file.resize(ResourceFileOffset, 0);
  return file + section;
}

}  // namespace cursor_test
