#include "help/btree_writer.h"

namespace {

constexpr std::size_t LeafHeaderBytes = 8;
constexpr std::size_t IndexHeaderBytes = 6;
constexpr std::size_t MaxPages = 0x7FFF;
constexpr std::uint16_t NoPage = 0xFFFF;

struct Child {
  std::uint16_t page = 0;
  HelpBytes firstKey;
};

class TreeBuilder {
 public:
  explicit TreeBuilder(std::size_t pageSize) : pageSize_(pageSize) {}

  // One leaf page at least, so an empty tree still has its root.
  bool AddLeaves(const std::vector<BTreeEntry>& entries) {
    std::vector<std::vector<std::size_t>> groups(1);
    std::size_t used = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const std::size_t size = entries[i].leaf.size();
      if (size > pageSize_ - LeafHeaderBytes) return false;
      if (used + size > pageSize_ - LeafHeaderBytes) {
        groups.emplace_back();
        used = 0;
      }
      groups.back().push_back(i);
      used += size;
    }
    if (groups.size() > MaxPages) return false;
    for (std::size_t g = 0; g < groups.size(); ++g) {
      HelpBytes body;
      for (const std::size_t i : groups[g]) Append(body, entries[i].leaf);
      HelpBytes page;
      AppendU16(page, static_cast<std::uint32_t>(pageSize_ - LeafHeaderBytes - body.size()));
      AppendU16(page, static_cast<std::uint32_t>(groups[g].size()));
      AppendU16(page, g == 0 ? NoPage : static_cast<std::uint32_t>(g - 1));
      AppendU16(page, g + 1 == groups.size() ? NoPage : static_cast<std::uint32_t>(g + 1));
      Append(page, body);
      const std::uint32_t first = groups[g].empty() ? 0 : static_cast<std::uint32_t>(groups[g].front());
      leafPages_.push_back({first, static_cast<std::uint16_t>(g)});
      children_.push_back({static_cast<std::uint16_t>(g), groups[g].empty() ? HelpBytes() : entries[groups[g].front()].key});
      AddPage(std::move(page));
    }
    return true;
  }

  // Index levels until one page is left: each page leads to its first child through its
  // "previous page" field and to every further child through an entry of that child's first key.
  bool AddIndexLevels() {
    while (children_.size() > 1) {
      std::vector<Child> parents;
      std::size_t next = 0;
      while (next < children_.size()) {
        if (pages_.size() >= MaxPages) return false;
        const Child& first = children_[next++];
        HelpBytes body;
        std::uint32_t count = 0;
        while (next < children_.size() &&
               IndexHeaderBytes + body.size() + children_[next].firstKey.size() + 2 <= pageSize_) {
          Append(body, children_[next].firstKey);
          AppendU16(body, children_[next].page);
          ++count;
          ++next;
        }
        if (count == 0 && next < children_.size()) return false;  // a key too long for a page
        HelpBytes page;
        AppendU16(page, static_cast<std::uint32_t>(pageSize_ - IndexHeaderBytes - body.size()));
        AppendU16(page, count);
        AppendU16(page, first.page);
        Append(page, body);
        parents.push_back({static_cast<std::uint16_t>(pages_.size()), first.firstKey});
        AddPage(std::move(page));
      }
      children_ = std::move(parents);
      ++levels_;
    }
    return true;
  }

  BTreeFile Finish(std::string_view structure, BTreeKind kind, std::size_t entryCount) const {
    BTreeFile file;
    HelpBytes& out = file.bytes;
    AppendU16(out, 0x293B);
    AppendU16(out, kind == BTreeKind::Directory ? 0x0402 : 0x0002);
    AppendU16(out, static_cast<std::uint32_t>(pageSize_));
    HelpBytes format(16, 0);
    for (std::size_t i = 0; i < structure.size() && i < 15; ++i) format[i] = static_cast<std::uint8_t>(structure[i]);
    Append(out, format);
    AppendU16(out, 0);  // always zero
    AppendU16(out, 0);  // page splits
    AppendU16(out, children_.front().page);
    AppendU16(out, NoPage);
    AppendU16(out, static_cast<std::uint32_t>(pages_.size()));
    AppendU16(out, levels_);
    AppendU32(out, static_cast<std::uint32_t>(entryCount));
    for (const HelpBytes& page : pages_) Append(out, page);
    file.leafPages = leafPages_;
    return file;
  }

 private:
  void AddPage(HelpBytes page) {
    page.resize(pageSize_, 0);
    pages_.push_back(std::move(page));
  }

  std::size_t pageSize_;
  std::vector<HelpBytes> pages_;
  std::vector<Child> children_;
  std::vector<BTreeLeafPage> leafPages_;
  std::uint32_t levels_ = 1;
};

}  // namespace

std::optional<BTreeFile> WriteBTree(const std::vector<BTreeEntry>& sortedEntries, std::string_view structure,
                                    BTreeKind kind) {
  TreeBuilder builder(kind == BTreeKind::Directory ? 0x400 : 0x800);
  if (!builder.AddLeaves(sortedEntries) || !builder.AddIndexLevels()) return std::nullopt;
  return builder.Finish(structure, kind, sortedEntries.size());
}
