#pragma once
// 32-bit program files with icon resources, built in memory for the tests: a DOS header, the PE
// headers, one resource section at file offset 0x200 (RVA 0x1000) holding the resource directory
// (types 3 and 14, one language each) and the icon and group data.
#include <algorithm>
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

// A resource directory's 16-byte header announcing `ids` id entries.
inline void ResourceDirectoryHeader(Bytes& out, std::size_t ids) {
  for (int i = 0; i < 3; ++i) Append32(out, 0);
  Append16(out, 0);
  Append16(out, static_cast<std::uint32_t>(ids));
}

// The resource section: root, two type directories, a language directory per resource, the data
// entries, then the data.
inline Bytes ResourceSection(const ProgramResources& resources) {
  const std::vector<std::pair<std::uint32_t, const std::vector<std::pair<std::uint16_t, Bytes>>*>> types = {
      {3, &resources.icons}, {14, &resources.groups}};
  const std::size_t resourceCount = resources.icons.size() + resources.groups.size();
  const auto directory = ResourceDirectoryHeader;
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
  return section + blobs;
}

// A 32-bit DLL whose one section holds `section` as its resources, behind `emptySections`
// sections without data (which move the resources from file offset 0x200 to after their headers).
inline Bytes ProgramFileAround(Bytes section, int emptySections = 0) {
  while (section.size() % 0x200 != 0) section.push_back(0);
  Bytes file(64, 0);
  file[0] = 'M';
  file[1] = 'Z';
  Put32(file, 0x3C, 64);
  file = file + Bytes{'P', 'E', 0, 0};
  Append16(file, 0x14C);  // i386
  Append16(file, static_cast<std::uint32_t>(emptySections + 1));
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
  for (int i = 0; i < emptySections; ++i) {
    file.resize(file.size() + 40, 0);
    Put32(file, file.size() - 40 + 12, 0x100000 + 0x1000 * static_cast<std::uint32_t>(i));
  }
  const std::uint32_t resourcesAt =
      std::max<std::uint32_t>(ResourceFileOffset, static_cast<std::uint32_t>(file.size() + 40 + 0x1FF) & ~0x1FFu);
  Bytes header = Text(".rsrc") + Bytes(3, 0);
  Append32(header, static_cast<std::uint32_t>(section.size()));
  Append32(header, ResourceRva);
  Append32(header, static_cast<std::uint32_t>(section.size()));
  Append32(header, resourcesAt);
  for (int i = 0; i < 3; ++i) Append32(header, 0);
  Append32(header, 0x40000040);  // initialised, readable data
  file = file + header;
  file.resize(resourcesAt, 0);
  return file + section;
}

inline Bytes ProgramFile(const ProgramResources& resources) { return ProgramFileAround(ResourceSection(resources)); }

// A resource section with icon 1 and `names` group names, all sharing one language directory of
// `languages` entries. They lead to one data entry, or with `separateData` each language to its
// own, one byte longer than the one before, over the same group: `claims` entries naming icon 1.
inline Bytes SharedGroupSection(int names, int languages, int claims, bool separateData) {
  const Bytes icon = PlainEntry(32, 32, 4);
  std::vector<GroupEntry> entries(static_cast<std::size_t>(claims), GroupEntry{1, static_cast<std::uint32_t>(icon.size())});
  const Bytes group = GroupDirectory(entries);
  const std::uint32_t n = static_cast<std::uint32_t>(names);
  const std::uint32_t m = static_cast<std::uint32_t>(languages);
  const std::uint32_t groupType = 56, iconLanguage = 72 + 8 * n, groupLanguage = iconLanguage + 24;
  const std::uint32_t iconData = groupLanguage + 16 + 8 * m, groupData = iconData + 16;
  const std::uint32_t iconBlob = groupData + 16 * (separateData ? m : 1);
  const std::uint32_t groupBlob = iconBlob + static_cast<std::uint32_t>((icon.size() + 3) & ~std::size_t{3});
  Bytes section;
  ResourceDirectoryHeader(section, 2);
  for (const auto& [type, at] : {std::pair{3u, 32u}, {14u, groupType}}) {
    Append32(section, type);
    Append32(section, 0x80000000u | at);
  }
  ResourceDirectoryHeader(section, 1);
  Append32(section, 1);
  Append32(section, 0x80000000u | iconLanguage);
  ResourceDirectoryHeader(section, n);
  for (std::uint32_t i = 1; i <= n; ++i) {
    Append32(section, i);
    Append32(section, 0x80000000u | groupLanguage);
  }
  ResourceDirectoryHeader(section, 1);
  Append32(section, 0x409);
  Append32(section, iconData);
  ResourceDirectoryHeader(section, m);
  for (std::uint32_t j = 0; j < m; ++j) {
    Append32(section, 0x409 + j);
    Append32(section, groupData + (separateData ? 16 * j : 0));
  }
  const auto dataEntry = [&section](std::uint32_t at, std::size_t size) {
    Append32(section, ResourceRva + at);
    Append32(section, static_cast<std::uint32_t>(size));
    Append32(section, 0);
    Append32(section, 0);
  };
  dataEntry(iconBlob, icon.size());
  for (std::uint32_t j = 0; j < (separateData ? m : 1); ++j) dataEntry(groupBlob, group.size() + j);
  section = section + icon;
  section.resize(groupBlob, 0);
  section = section + group;
  section.resize(section.size() + m, 0);
  return section;
}

// 16-bit programs: the NE header at 64, its resource table right after it (offsets and lengths in
// units of 16 bytes, as the shift word says), the resident names after the table, and `body`
// from byte `bodyAt` on.
inline constexpr std::size_t NeHeaderOffset = 64;
inline constexpr std::size_t NeResourceTableAt = NeHeaderOffset + 0x24;
inline constexpr std::size_t NeResidentNamesAt = NeHeaderOffset + 0x26;

struct NeResource {
  std::uint16_t id;
  std::uint16_t offset;
  std::uint16_t length;
};

struct NeType {
  std::uint16_t type;
  std::vector<NeResource> resources;
};

inline Bytes SixteenBitProgram(const std::vector<NeType>& types, std::size_t bodyAt, const Bytes& body) {
  Bytes table;
  Append16(table, 4);
  for (const NeType& type : types) {
    Append16(table, type.type);
    Append16(table, static_cast<std::uint32_t>(type.resources.size()));
    Append32(table, 0);
    for (const NeResource& r : type.resources) {
      Append16(table, r.offset);
      Append16(table, r.length);
      Append16(table, 0);
      Append16(table, r.id);
      Append32(table, 0);
    }
  }
  Append16(table, 0);
  Bytes file(NeHeaderOffset + 0x40, 0);
  file[0] = 'M';
  file[1] = 'Z';
  Put32(file, 0x3C, NeHeaderOffset);
  file[NeHeaderOffset] = 'N';
  file[NeHeaderOffset + 1] = 'E';
  Put16(file, NeResourceTableAt, 0x40);
  Put16(file, NeResidentNamesAt, static_cast<std::uint16_t>(0x40 + table.size()));
  file = file + table;
  file.resize(std::max(bodyAt, file.size()), 0);
  return file + body;
}

}  // namespace cursor_test
