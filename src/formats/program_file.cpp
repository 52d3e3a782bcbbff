#include "formats/program_file.h"

#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr std::uint64_t DosHeaderBytes = 64;
constexpr std::uint32_t IconType = 3;
constexpr std::uint32_t GroupIconType = 14;
constexpr std::uint16_t NeIconType = 0x8003;
constexpr std::uint16_t NeGroupIconType = 0x800E;
// Group directories: a 6-byte header and entries of 14 bytes ending in the size and the icon's id.
constexpr std::uint64_t GroupHeaderBytes = 6;
constexpr std::uint64_t GroupEntryBytes = 14;
constexpr std::uint64_t ResourceEntryBytes = 8;
// Programs have a handful of sections and a data entry of at least 16 bytes per resource.
constexpr std::uint64_t SectionStepsPerByte = 16;

// Icon id -> size, and what the groups claim of them. Names and languages may lead to one group
// many times; it is checked once. Groups of a sound file lie apart, so together they claim no more
// entries than the file has room for: more are refused rather than counted (a few kilobytes could
// otherwise stand for billions of claims).
struct IconResources {
  explicit IconResources(std::uint64_t fileBytes) : claimsLeft(fileBytes / GroupEntryBytes) {}

  std::map<std::uint32_t, std::uint64_t> iconSizes;
  std::set<std::pair<const std::uint8_t*, std::size_t>> groups;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> claims;  // id, bytes in resource
  std::uint64_t claimsLeft;

  bool AddGroup(ByteSpan group, std::uint32_t idBits) {
    if (!groups.insert({group.data(), group.size()}).second) return true;
    const std::optional<std::uint16_t> count = ReadU16(group, 4);
    if (!count || !Holds(group, GroupHeaderBytes, GroupEntryBytes * *count) || *count > claimsLeft) return false;
    claimsLeft -= *count;
    for (std::uint64_t at = GroupHeaderBytes; at < GroupHeaderBytes + GroupEntryBytes * *count; at += GroupEntryBytes) {
      claims.emplace_back(*ReadU16(group, at + 12) | idBits, *ReadU32(group, at + 8));
    }
    return true;
  }
  bool ClaimsHold() const {
    for (const auto& [id, bytes] : claims) {
      const auto icon = iconSizes.find(id);
      if (icon == iconSizes.end() || bytes > icon->second) return false;
    }
    return true;
  }
};

struct Section {
  std::uint32_t virtualAddress;
  std::uint32_t rawSize;
  std::uint32_t rawOffset;
};

class PortableExecutable {
 public:
  // nullopt when the headers, the section table or any section's data lie outside the file.
  static std::optional<PortableExecutable> Read(ByteSpan file, std::uint64_t at) {
    PortableExecutable image;
    image.file_ = file;
    const std::optional<std::uint16_t> sections = ReadU16(file, at + 6);
    const std::optional<std::uint16_t> optionalSize = ReadU16(file, at + 20);
    const std::uint64_t optional = at + 24;
    if (!sections || !optionalSize || !Holds(file, optional, *optionalSize)) return std::nullopt;
    const ByteSpan header = file.subspan(optional, *optionalSize);
    // The data directories follow the fixed fields, which are longer in 64-bit programs.
    const std::optional<std::uint16_t> magic = ReadU16(header, 0);
    const std::uint64_t directories = magic == 0x20B ? 112 : magic == 0x10B ? 96 : 0;
    const std::optional<std::uint32_t> directoryCount = ReadU32(header, directories - 4);
    if (directories == 0 || !directoryCount || *directoryCount <= 2 || !Holds(header, directories + 16, 8)) {
      return std::nullopt;
    }
    image.resourceRva_ = *ReadU32(header, directories + 16);
    const std::uint64_t table = optional + *optionalSize;
    if (!Holds(file, table, 40ull * *sections)) return std::nullopt;
    for (std::uint64_t s = table; s < table + 40ull * *sections; s += 40) {
      const Section section{*ReadU32(file, s + 12), *ReadU32(file, s + 16), *ReadU32(file, s + 20)};
      if (section.rawSize != 0 && !Holds(file, section.rawOffset, section.rawSize)) return std::nullopt;
      image.sections_.push_back(section);
    }
    return image;
  }

  // The bytes from `rva` to the end of the first section that holds it, as the system finds it.
  // Each look goes through the sections in turn; a file that makes them cost more than a few
  // steps per byte has many sections and resources only to stall the check, and is refused.
  std::optional<ByteSpan> From(std::uint32_t rva) {
    searched_ += sections_.size();
    if (searched_ > SectionStepsPerByte * file_.size()) return std::nullopt;
    for (const Section& s : sections_) {
      if (rva >= s.virtualAddress && std::uint64_t{rva} < std::uint64_t{s.virtualAddress} + s.rawSize) {
        const std::uint64_t into = rva - s.virtualAddress;
        return file_.subspan(s.rawOffset + into, s.rawSize - into);
      }
    }
    return std::nullopt;
  }

  std::uint32_t ResourceRva() const { return resourceRva_; }

 private:
  ByteSpan file_;
  std::uint32_t resourceRva_ = 0;
  std::vector<Section> sections_;
  std::uint64_t searched_ = 0;
};

struct ResourceEntry {
  std::uint32_t name;
  std::uint32_t target;  // from the root
  bool directory;
};

// Resource directories, each a 16-byte header and its named and id entries, all within `area`.
// The entries of a tree lie side by side in it, so a walk that meets more than the area holds goes
// round directories that several entries lead to, and is refused.
class ResourceTree {
 public:
  explicit ResourceTree(ByteSpan area) : area_(area) {}

  std::optional<std::vector<ResourceEntry>> Entries(std::uint32_t at, bool idsOnly = false) {
    const std::optional<std::uint16_t> named = ReadU16(area_, std::uint64_t{at} + 12);
    const std::optional<std::uint16_t> ids = ReadU16(area_, std::uint64_t{at} + 14);
    // The system counts them in 16 bits.
    if (!named || !ids || *named + *ids > 0xFFFF) return std::nullopt;
    const std::uint64_t first = std::uint64_t{at} + 16;
    if (!Holds(area_, first, ResourceEntryBytes * (*named + *ids))) return std::nullopt;
    visited_ += *named + *ids;
    if (visited_ > area_.size() / ResourceEntryBytes) return std::nullopt;
    std::vector<ResourceEntry> entries;
    for (int i = idsOnly ? *named : 0; i < *named + *ids; ++i) {
      const std::uint64_t entry = first + ResourceEntryBytes * i;
      const std::uint32_t target = *ReadU32(area_, entry + 4);
      entries.push_back({*ReadU32(area_, entry), target & 0x7FFFFFFF, (target & 0x80000000) != 0});
    }
    return entries;
  }

  std::optional<ByteSpan> DataEntry(std::uint32_t at, PortableExecutable& image) const {
    const std::optional<std::uint32_t> rva = ReadU32(area_, at);
    const std::optional<std::uint32_t> size = ReadU32(area_, std::uint64_t{at} + 4);
    if (!rva || !size) return std::nullopt;
    const std::optional<ByteSpan> data = image.From(*rva);
    if (!data || data->size() < *size) return std::nullopt;
    return data->first(*size);
  }

 private:
  ByteSpan area_;
  std::uint64_t visited_ = 0;
};

// Type -> name -> language -> data, every step the kind of entry it must be.
bool PortableIconsAreSound(PortableExecutable& image, std::uint64_t fileBytes) {
  if (image.ResourceRva() == 0) return true;  // no resources: the system finds no icons
  const std::optional<ByteSpan> area = image.From(image.ResourceRva());
  if (!area) return false;
  ResourceTree tree(*area);
  const auto types = tree.Entries(0, true);
  if (!types) return false;
  IconResources resources(fileBytes);
  for (const ResourceEntry& type : *types) {
    if (type.name != IconType && type.name != GroupIconType) continue;
    const auto names = type.directory ? tree.Entries(type.target) : std::nullopt;
    if (!names) return false;
    for (const ResourceEntry& name : *names) {
      const auto languages = name.directory ? tree.Entries(name.target) : std::nullopt;
      if (!languages || languages->empty()) return false;
      for (const ResourceEntry& language : *languages) {
        const std::optional<ByteSpan> data = language.directory ? std::nullopt : tree.DataEntry(language.target, image);
        if (!data) return false;
        if (type.name == GroupIconType && !resources.AddGroup(*data, 0)) return false;
        if (type.name == IconType && &language == &languages->front()) resources.iconSizes[name.name] = data->size();
      }
    }
  }
  return resources.ClaimsHold();
}

// The resource table of a 16-bit program, from its offset to the resident names that follow it:
// an alignment shift, then types, each with its resources (offset and length in units of
// 2^shift bytes), up to a zero type.
bool SixteenBitIconsAreSound(ByteSpan file, std::uint64_t at) {
  const std::optional<std::uint16_t> tableAt = ReadU16(file, at + 0x24);
  const std::optional<std::uint16_t> namesAt = ReadU16(file, at + 0x26);
  if (!tableAt || !namesAt || *namesAt < *tableAt) return false;
  if (*namesAt - *tableAt <= 8) return true;  // no resources
  if (!Holds(file, at + *tableAt, *namesAt - *tableAt)) return false;
  const ByteSpan table = file.subspan(at + *tableAt, *namesAt - *tableAt);
  const std::optional<std::uint16_t> shift = ReadU16(table, 0);
  if (!shift || *shift > 15) return false;
  IconResources resources(file.size());
  for (std::uint64_t pos = 2;;) {
    const std::optional<std::uint16_t> type = ReadU16(table, pos);
    if (!type) return false;
    if (*type == 0) break;
    const std::optional<std::uint16_t> count = ReadU16(table, pos + 2);
    const std::uint64_t first = pos + 8;
    if (!count || !Holds(table, first, 12ull * *count)) return false;
    for (std::uint64_t entry = first; entry < first + 12ull * *count; entry += 12) {
      if (*type != NeIconType && *type != NeGroupIconType) continue;
      const std::uint64_t offset = std::uint64_t{*ReadU16(table, entry)} << *shift;
      const std::uint64_t length = std::uint64_t{*ReadU16(table, entry + 2)} << *shift;
      if (!Holds(file, offset, length)) return false;
      if (*type == NeGroupIconType && !resources.AddGroup(file.subspan(offset, length), 0x8000)) return false;
      if (*type == NeIconType) resources.iconSizes[*ReadU16(table, entry + 6)] = length;
    }
    pos = first + 12ull * *count;
  }
  return resources.ClaimsHold();
}

// An icon file under a program's name: its directory and every image within the file.
bool IconFileIsSound(ByteSpan file) {
  const std::uint16_t count = *ReadU16(file, 4);
  if (ReadU16(file, 0) != 0 || ReadU16(file, 2) != 1 || count == 0) return true;  // not taken for icons
  if (!Holds(file, 6, 16ull * count)) return false;
  for (std::uint64_t entry = 6; entry < 6 + 16ull * count; entry += 16) {
    if (!Holds(file, *ReadU32(file, entry + 12), *ReadU32(file, entry + 8))) return false;
  }
  return true;
}

}  // namespace

bool ProgramIconsAreSound(ByteSpan file) {
  if (file.size() < DosHeaderBytes) return false;
  if (!HasTag(file, 0, "MZ")) return IconFileIsSound(file);
  const std::uint32_t header = *ReadU32(file, 0x3C);
  if (HasTag(file, header, std::string_view("PE\0\0", 4))) {
    std::optional<PortableExecutable> image = PortableExecutable::Read(file, header);
    return image && PortableIconsAreSound(*image, file.size());
  }
  if (HasTag(file, header, "NE")) return SixteenBitIconsAreSound(file, header);
  return true;  // neither: the system finds no icons
}
