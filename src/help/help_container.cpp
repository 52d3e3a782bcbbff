#include "help/help_container.h"

#include <algorithm>

#include "help/btree_writer.h"

namespace {

constexpr std::uint32_t HelpMagic = 0x00035F3F;
constexpr std::size_t FileHeaderBytes = 16;

// Reserved and used size are the same: nothing is left free for the file to grow into.
void AppendInternalFile(HelpBytes& out, const HelpBytes& content) {
  AppendU32(out, static_cast<std::uint32_t>(content.size() + 9));
  AppendU32(out, static_cast<std::uint32_t>(content.size()));
  AppendU8(out, 4);
  Append(out, content);
}

}  // namespace

std::optional<HelpBytes> WriteHelpContainer(const std::vector<InternalFile>& files) {
  HelpBytes out(FileHeaderBytes, 0);
  std::vector<std::pair<std::string, std::uint32_t>> places;
  for (const InternalFile& file : files) {
    places.emplace_back(file.name, static_cast<std::uint32_t>(out.size()));
    AppendInternalFile(out, file.content);
  }
  // The viewer finds a name by comparing bytes, so the directory is in byte order.
  std::sort(places.begin(), places.end());
  std::vector<BTreeEntry> entries;
  for (const auto& [name, offset] : places) {
    BTreeEntry entry;
    AppendStringZ(entry.leaf, name);
    AppendU32(entry.leaf, offset);
    AppendStringZ(entry.key, name);
    entries.push_back(std::move(entry));
  }
  const auto directory = WriteBTree(entries, "z4", BTreeKind::Directory);
  if (!directory) return std::nullopt;
  const auto directoryStart = static_cast<std::uint32_t>(out.size());
  AppendInternalFile(out, directory->bytes);
  PutU32(out, 0, HelpMagic);
  PutU32(out, 4, directoryStart);
  PutU32(out, 8, 0xFFFFFFFF);  // no free blocks
  PutU32(out, 12, static_cast<std::uint32_t>(out.size()));
  return out;
}
