#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/help_file.h"
#include "formats/byte_fields.h"
#include "help/help_file_writer.h"
#include "help/help_source.h"
#include "help/help_text.h"

namespace {

// ---------------------------------------------------------------------------------------------
// A reader of help files of its own, written from the format's description as a viewer walks
// it, so that the tests check the writer's bytes rather than repeat its reasoning. Whatever does
// not hold is collected in `faults`.
// ---------------------------------------------------------------------------------------------

using Bytes = std::vector<std::uint8_t>;

std::uint32_t U32(ByteSpan bytes, std::size_t at) { return ReadU32(bytes, at).value_or(0); }
std::uint16_t U16(ByteSpan bytes, std::size_t at) { return ReadU16(bytes, at).value_or(0); }

// The length of the NUL-terminated string at `at` with its NUL, if the NUL is there.
std::optional<std::size_t> StringZSize(ByteSpan bytes, std::size_t at) {
  for (std::size_t i = at; i < bytes.size(); ++i) {
    if (bytes[i] == 0) return i - at + 1;
  }
  return std::nullopt;
}

std::string StringAt(ByteSpan bytes, std::size_t at) {
  const auto size = StringZSize(bytes, at);
  return size ? std::string(bytes.begin() + at, bytes.begin() + at + *size - 1) : std::string();
}

// How the entries of one kind of B+ tree look: the size of an index entry's key, of a whole leaf
// entry, and the order of keys.
struct TreeFormat {
  std::function<std::optional<std::size_t>(ByteSpan, std::size_t)> keySize;
  std::function<std::optional<std::size_t>(ByteSpan, std::size_t)> leafSize;
  std::function<int(ByteSpan, ByteSpan)> compare;
};

int CompareBytes(ByteSpan a, ByteSpan b) {
  const auto result = std::lexicographical_compare_three_way(a.begin(), a.end(), b.begin(), b.end());
  return result < 0 ? -1 : result > 0 ? 1 : 0;
}

// Strings up to their NUL.
int CompareNames(ByteSpan a, ByteSpan b) { return CompareBytes(a.first(a.size() - 1), b.first(b.size() - 1)); }

std::optional<std::size_t> Fixed(ByteSpan bytes, std::size_t at, std::size_t size) {
  return Holds(bytes, at, size) ? std::optional(size) : std::nullopt;
}

std::optional<std::size_t> StringThen(ByteSpan bytes, std::size_t at, std::size_t after) {
  const auto size = StringZSize(bytes, at);
  if (!size || !Holds(bytes, at, *size + after)) return std::nullopt;
  return *size + after;
}

const TreeFormat DirectoryFormat{[](ByteSpan b, std::size_t at) { return StringThen(b, at, 0); },
                                 [](ByteSpan b, std::size_t at) { return StringThen(b, at, 4); }, CompareNames};
const TreeFormat ContextFormat{[](ByteSpan b, std::size_t at) { return Fixed(b, at, 4); },
                               [](ByteSpan b, std::size_t at) { return Fixed(b, at, 8); },
                               [](ByteSpan a, ByteSpan b) {
                                 const auto x = static_cast<std::int32_t>(U32(a, 0)), y = static_cast<std::int32_t>(U32(b, 0));
                                 return x < y ? -1 : x > y ? 1 : 0;
                               }};
const TreeFormat TitleFormat{[](ByteSpan b, std::size_t at) { return Fixed(b, at, 4); },
                             [](ByteSpan b, std::size_t at) -> std::optional<std::size_t> {
                               const auto title = StringZSize(b, at + 4);
                               return Holds(b, at, 4) && title ? std::optional(4 + *title) : std::nullopt;
                             },
                             [](ByteSpan a, ByteSpan b) { return U32(a, 0) < U32(b, 0) ? -1 : U32(a, 0) > U32(b, 0) ? 1 : 0; }};
// Keys of type "z" are ordered as strcmp orders their bytes. The case-insensitive types ("i",
// "F") are ordered by the viewer's character tables or the system's locale, which no order of
// bytes fixed when the file is written matches on every system; the reader refuses them.
const TreeFormat KeywordFormat{[](ByteSpan b, std::size_t at) { return StringThen(b, at, 0); },
                               [](ByteSpan b, std::size_t at) { return StringThen(b, at, 6); }, CompareNames};

struct Tree {
  std::vector<ByteSpan> entries;  // leaf entries in leaf order
  std::vector<std::pair<std::uint32_t, std::uint16_t>> leafPages;  // first entry index, page
  int levels = 0;
};

struct Topic {
  std::uint32_t offset = 0;
  std::string title;
  std::vector<std::string> macros;  // after the title in the header record
  std::string text;
  std::vector<std::int32_t> jumps;
};

class HelpReader {
 public:
  explicit HelpReader(Bytes file) : file_(std::move(file)) {
    const ByteSpan all(file_);
    if (U32(all, 0) != 0x00035F3F) {
      Fault("no help file magic");
      return;
    }
    if (U32(all, 12) != file_.size()) Fault("the header's file size is not the file's");
    const auto directory = InternalFile(U32(all, 4));
    if (!directory) return;
    const Tree tree = ReadTree("directory", *directory, DirectoryFormat, 0x400);
    for (const ByteSpan entry : tree.entries) {
      const std::string name = StringAt(entry, 0);
      if (const auto content = InternalFile(U32(entry, name.size() + 1))) files[name] = *content;
    }
  }

  std::optional<ByteSpan> File(const std::string& name) {
    const auto found = files.find(name);
    if (found == files.end()) {
      Fault("no " + name);
      return std::nullopt;
    }
    return found->second;
  }

  // Walks a B+ tree from its root to the first leaf and along the leaves, and finds every entry
  // again from the root the way a viewer looks a key up.
  Tree ReadTree(const std::string& name, ByteSpan content, const TreeFormat& format, std::size_t pageSize) {
    Tree tree;
    if (U16(content, 0) != 0x293B || U16(content, 4) != pageSize) {
      Fault(name + ": no B+ tree header of " + std::to_string(pageSize) + "-byte pages");
      return tree;
    }
    const std::size_t pages = U16(content, 30);
    tree.levels = U16(content, 32);
    if (!Holds(content, 38, pages * pageSize) || tree.levels < 1) {
      Fault(name + ": pages beyond the file");
      return tree;
    }
    auto page = [&](std::size_t number) { return content.subspan(38 + number * pageSize, pageSize); };
    std::size_t leaf = U16(content, 26);
    for (int level = 1; level < tree.levels; ++level) {
      if (leaf >= pages) return Fault(name + ": index page out of range"), tree;
      leaf = U16(page(leaf), 4);
    }
    std::set<std::size_t> seen;
    std::size_t previous = 0xFFFF;
    while (leaf != 0xFFFF) {
      if (leaf >= pages || !seen.insert(leaf).second) return Fault(name + ": leaf chain broken"), tree;
      const ByteSpan bytes = page(leaf);
      if (U16(bytes, 4) != previous) Fault(name + ": leaf page's previous page wrong");
      tree.leafPages.emplace_back(static_cast<std::uint32_t>(tree.entries.size()), static_cast<std::uint16_t>(leaf));
      std::size_t at = 8;
      for (int i = 0; i < static_cast<std::int16_t>(U16(bytes, 2)); ++i) {
        const auto size = format.leafSize(bytes, at);
        if (!size) return Fault(name + ": leaf entry beyond its page"), tree;
        tree.entries.push_back(bytes.subspan(at, *size));
        at += *size;
      }
      if (U16(bytes, 0) != pageSize - at) Fault(name + ": a leaf page miscounts its free bytes");
      previous = leaf;
      leaf = U16(bytes, 6);
    }
    if (tree.entries.size() != U32(content, 34)) Fault(name + ": entry count differs from the header's");
    for (std::size_t i = 0; i < tree.entries.size(); ++i) {
      const ByteSpan key = tree.entries[i].first(*format.keySize(tree.entries[i], 0));
      if (i > 0 && format.compare(tree.entries[i - 1].first(*format.keySize(tree.entries[i - 1], 0)), key) >= 0) {
        Fault(name + ": entries out of order");
      }
      if (!Find(page, pages, U16(content, 26), tree.levels, format, key)) Fault(name + ": an entry is not found from the root");
    }
    return tree;
  }

  // |TOPIC: unpacks every 4096-byte block into its 16 KiB window and follows the records.
  std::vector<Topic> ReadTopics(ByteSpan content) {
    std::vector<Bytes> windows;
    std::vector<std::uint32_t> firstRecords;
    for (std::size_t block = 0; block * 4096 < content.size(); ++block) {
      const ByteSpan bytes = content.subspan(block * 4096, std::min<std::size_t>(4096, content.size() - block * 4096));
      firstRecords.push_back(U32(bytes, 4));
      windows.push_back(Unpack(bytes.subspan(std::min<std::size_t>(12, bytes.size()))));
    }
    std::vector<Topic> topics;
    // Every topic header names the next one; the chain ends with an empty header, which is no topic.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> headers;  // position, next topic
    bool ended = false;
    std::uint32_t position = 12, previous = 0xFFFFFFFF, characters = 0, lastBlock = 0xFFFFFFFF;
    while (position != 0xFFFFFFFF) {
      if (ended) Fault("records after the empty topic header that ends the chain");
      const std::uint32_t block = (position - 12) / 0x4000, at = (position - 12) % 0x4000;
      if (position < 12 || block >= windows.size() || !Holds(windows[block], at, 21)) return Fault("record outside the topic blocks"), topics;
      const ByteSpan record(windows[block].data() + at, windows[block].size() - at);
      if (block != lastBlock) {
        if (firstRecords[block] != position) Fault("a block's first record is not the one found");
        characters = 0;
        lastBlock = block;
      }
      const std::uint32_t size = U32(record, 0), length2 = U32(record, 4), length1 = U32(record, 0x10);
      if (U32(record, 8) != previous) Fault("a record's previous record is wrong");
      if (length1 < 21 || size != length1 + length2 || !Holds(record, 0, size)) return Fault("record sizes do not add up"), topics;
      const ByteSpan data1 = record.subspan(21, length1 - 21), data2 = record.subspan(length1, length2);
      if (record[0x14] == 0x02) {
        headers.emplace_back(position, U32(record, 0x2D));
      }
      if (record[0x14] == 0x02 && data2.empty()) {
        ended = true;
      } else if (record[0x14] == 0x02) {
        Topic topic{block * 0x8000 + characters, StringAt(data2, 0), {}, {}, {}};
        for (std::size_t at = topic.title.size() + 1; at < data2.size(); at += topic.macros.back().size() + 1) {
          topic.macros.push_back(StringAt(data2, at));
        }
        topics.push_back(std::move(topic));
      } else if (record[0x14] == 0x20 && !topics.empty()) {
        characters += ReadText(data1, data2, topics.back());
      } else {
        Fault("unexpected record type");
      }
      previous = position;
      const std::uint32_t next = U32(record, 0x0C);
      if (next != 0xFFFFFFFF && next <= position) return Fault("records do not move forward"), topics;
      position = next;
    }
    if (!ended) Fault("the topic chain does not end with an empty topic header");
    for (std::size_t i = 0; i < headers.size(); ++i) {
      if (headers[i].second != (i + 1 < headers.size() ? headers[i + 1].first : 0xFFFFFFFF)) {
        Fault("a topic header does not name the next one");
      }
    }
    return topics;
  }

  std::map<std::string, ByteSpan> files;
  std::vector<std::string> faults;

 private:
  void Fault(const std::string& fault) { faults.push_back(fault); }

  std::optional<ByteSpan> InternalFile(std::uint32_t at) {
    const ByteSpan all(file_);
    const std::uint32_t reserved = U32(all, at), used = U32(all, at + 4);
    if (!Holds(all, at, 9) || reserved < used + 9 || !Holds(all, at, reserved)) {
      Fault("internal file at " + std::to_string(at) + " does not fit");
      return std::nullopt;
    }
    return all.subspan(at + 9, used);
  }

  // Down from the root: in an index page the last entry whose key is not above the wanted one
  // leads on, or the page's "previous page" when even the first key is above it.
  static bool Find(const std::function<ByteSpan(std::size_t)>& page, std::size_t pages, std::size_t root, int levels,
                   const TreeFormat& format, ByteSpan key) {
    std::size_t current = root;
    for (int level = 1; level < levels; ++level) {
      const ByteSpan bytes = page(current);
      std::size_t next = U16(bytes, 4), at = 6;
      for (int i = 0; i < static_cast<std::int16_t>(U16(bytes, 2)); ++i) {
        const auto size = format.keySize(bytes, at);
        if (!size || !Holds(bytes, at, *size + 2)) return false;
        if (format.compare(bytes.subspan(at, *size), key) > 0) break;
        next = U16(bytes, at + *size);
        at += *size + 2;
      }
      if (next >= pages) return false;
      current = next;
    }
    const ByteSpan bytes = page(current);
    std::size_t at = 8;
    for (int i = 0; i < static_cast<std::int16_t>(U16(bytes, 2)); ++i) {
      const auto size = format.leafSize(bytes, at);
      if (!size) return false;
      if (format.compare(bytes.subspan(at, *format.keySize(bytes, at)), key) == 0) return true;
      at += *size;
    }
    return false;
  }

  // The packed form: a flag byte, then for each of its bits a literal byte (clear) or a two-byte
  // copy of 3 to 18 bytes from up to 4096 bytes back (set).
  Bytes Unpack(ByteSpan packed) {
    Bytes plain;
    std::size_t at = 0;
    while (at < packed.size()) {
      const std::uint8_t flags = packed[at++];
      for (int bit = 0; bit < 8 && at < packed.size(); ++bit) {
        if (flags & (1 << bit)) {
          const std::uint16_t code = U16(packed, at);
          at += 2;
          const std::size_t length = 3 + (code >> 12), distance = (code & 0xFFF) + 1;
          if (distance > plain.size()) return Fault("a copy from before the block"), plain;
          for (std::size_t i = 0; i < length; ++i) plain.push_back(plain[plain.size() - distance]);
        } else {
          plain.push_back(packed[at++]);
        }
      }
      if (plain.size() > 0x4000) return Fault("a block unpacks beyond 16 KiB"), plain;
    }
    return plain;
  }

  // A text record: packed sizes, the paragraph's layout, then formatting commands, each after
  // one string of the text. Returns how far the record moves the character count.
  std::uint32_t ReadText(ByteSpan data1, ByteSpan data2, Topic& topic) {
    std::size_t at = 0;
    auto packed = [&](int shortBytes, int longBytes) {
      const bool isLong = at < data1.size() && (data1[at] & 1);
      const std::size_t bytes = isLong ? longBytes : shortBytes;
      std::uint32_t value = 0;
      for (std::size_t i = 0; i < bytes && at + i < data1.size(); ++i) value |= std::uint32_t(data1[at + i]) << (8 * i);
      at += bytes;
      return value;
    };
    packed(2, 4);                                 // text size
    const std::uint32_t characters = packed(1, 2) / 2;  // text length
    at += 4;                                      // two unknown bytes and the paragraph id
    const std::uint16_t bits = U16(data1, at);
    at += 2;
    if (bits & 0x0001) packed(2, 4);
    for (const std::uint16_t field : {0x02, 0x04, 0x08, 0x10, 0x20, 0x40}) {
      if (bits & field) packed(1, 2);
    }
    if (bits & 0x0300) Fault("borders or tabs the writer never sets");
    std::size_t text = 0;
    while (true) {
      const auto size = StringZSize(data2, text);
      if (!size || at >= data1.size()) return Fault("text and commands do not pair up"), characters;
      topic.text.append(data2.begin() + text, data2.begin() + text + *size - 1);
      text += *size;
      const std::uint8_t command = data1[at++];
      if (command == 0xFF) break;
      if (command == 0x80) {
        at += 2;
      } else if (command == 0xE2 || command == 0xE3 || command == 0xE6 || command == 0xE7) {
        topic.jumps.push_back(static_cast<std::int32_t>(U32(data1, at)));
        at += 4;
      } else if (command != 0x81 && command != 0x82 && command != 0x89) {
        return Fault("unknown formatting command"), characters;
      }
    }
    if (at != data1.size() || text != data2.size()) Fault("bytes left over in a text record");
    return characters;
  }

  Bytes file_;
};

}  // namespace

namespace {

// What a viewer takes from a help file.
struct HelpContents {
  std::vector<std::string> faults;
  std::string title;
  int charset = -1;
  std::uint32_t contents = 0xFFFFFFFF;
  std::vector<Topic> topics;
  std::map<std::int32_t, std::uint32_t> contexts;              // context hash to topic offset
  std::map<std::uint32_t, std::string> titles;                 // |TTLBTREE
  std::map<std::int32_t, std::uint32_t> numbers;               // |CTXOMAP: context number to topic offset
  std::map<std::string, std::vector<std::uint32_t>> keywords;  // keyword to topic offsets
  std::string keywordStructure;  // as the tree's header declares its entries
  int keywordLevels = 0;
  int contextLevels = 0;

  const Topic* TopicAt(std::uint32_t offset) const {
    for (const Topic& topic : topics) {
      if (topic.offset == offset) return &topic;
    }
    return nullptr;
  }

  // Offsets of the topics a reader gets to from the contents by following jumps.
  std::set<std::uint32_t> Reached() const {
    std::set<std::uint32_t> reached{contents};
    std::vector<std::uint32_t> pending{contents};
    while (!pending.empty()) {
      const Topic* topic = TopicAt(pending.back());
      pending.pop_back();
      if (!topic) continue;
      for (const std::int32_t jump : topic->jumps) {
        const auto target = contexts.find(jump);
        if (target != contexts.end() && reached.insert(target->second).second) pending.push_back(target->second);
      }
    }
    return reached;
  }
};

void ReadSystem(HelpReader& reader, HelpContents& help) {
  const auto system = reader.File("|SYSTEM");
  if (!system) return;
  if (U16(*system, 0) != 0x036C || U16(*system, 2) != 33 || U16(*system, 4) != 1 || U16(*system, 10) != 4) {
    help.faults.push_back("|SYSTEM is not a version 1.33 header of packed 4 KiB topic blocks");
  }
  for (std::size_t at = 12; at + 4 <= system->size(); at += 4 + U16(*system, at + 2)) {
    const ByteSpan data = system->subspan(at + 4, std::min<std::size_t>(U16(*system, at + 2), system->size() - at - 4));
    switch (U16(*system, at)) {
      case 1: help.title = StringAt(data, 0); break;
      case 3: help.contents = U32(data, 0); break;
      case 11: help.charset = data.empty() ? -1 : data[0]; break;
      default: break;
    }
  }
}

void ReadFonts(HelpReader& reader, HelpContents& help) {
  const auto font = reader.File("|FONT");
  if (!font) return;
  const std::uint16_t faces = U16(*font, 0), descriptors = U16(*font, 2), faceAt = U16(*font, 4), descriptorAt = U16(*font, 6);
  if (faces == 0 || descriptors == 0 || faceAt >= 12 || descriptorAt < faceAt + faces ||
      !Holds(*font, descriptorAt, descriptors * 11u)) {
    return help.faults.push_back("|FONT does not hold its faces and descriptors");
  }
  const std::size_t faceBytes = (descriptorAt - faceAt) / faces;
  for (std::size_t i = 0; i < descriptors; ++i) {
    const std::uint16_t face = U16(*font, descriptorAt + i * 11 + 3);
    if (face >= faces || font->data()[faceAt + face * faceBytes] == 0) help.faults.push_back("a font without its face");
  }
}

void ReadKeywords(HelpReader& reader, HelpContents& help) {
  const auto tree = reader.File("|KWBTREE");
  const auto data = reader.File("|KWDATA");
  const auto map = reader.File("|KWMAP");
  if (!tree || !data || !map) return;
  help.keywordStructure = StringAt(tree->first(std::min<std::size_t>(tree->size(), 22)), 6);
  if (!help.keywordStructure.starts_with("z")) {
    help.faults.push_back("|KWBTREE declares keys of type \"" + help.keywordStructure + "\", not ordered by their bytes");
  }
  const Tree keywords = reader.ReadTree("|KWBTREE", *tree, KeywordFormat, 0x800);
  help.keywordLevels = keywords.levels;
  for (const ByteSpan entry : keywords.entries) {
    const std::string keyword = StringAt(entry, 0);
    const std::uint16_t count = U16(entry, keyword.size() + 1);
    const std::uint32_t at = U32(entry, keyword.size() + 3);
    if (count == 0 || !Holds(*data, at, count * 4u)) help.faults.push_back("keyword " + keyword + " has no topics");
    for (std::uint32_t i = 0; i < count && Holds(*data, at + 4 * i, 4); ++i) help.keywords[keyword].push_back(U32(*data, at + 4 * i));
  }
  bool mapMatches = U16(*map, 0) == keywords.leafPages.size() && map->size() == 2 + 6 * keywords.leafPages.size();
  for (std::size_t i = 0; mapMatches && i < keywords.leafPages.size(); ++i) {
    mapMatches = U32(*map, 2 + 6 * i) == keywords.leafPages[i].first && U16(*map, 6 + 6 * i) == keywords.leafPages[i].second;
  }
  if (!mapMatches) help.faults.push_back("|KWMAP does not list the keyword tree's leaf pages");
}

HelpContents ReadHelp(const Bytes& file) {
  HelpReader reader(file);
  HelpContents help;
  ReadSystem(reader, help);
  ReadFonts(reader, help);
  if (const auto topics = reader.File("|TOPIC")) help.topics = reader.ReadTopics(*topics);
  if (const auto context = reader.File("|CONTEXT")) {
    const Tree tree = reader.ReadTree("|CONTEXT", *context, ContextFormat, 0x800);
    help.contextLevels = tree.levels;
    for (const ByteSpan entry : tree.entries) help.contexts[static_cast<std::int32_t>(U32(entry, 0))] = U32(entry, 4);
  }
  if (const auto titles = reader.File("|TTLBTREE")) {
    for (const ByteSpan entry : reader.ReadTree("|TTLBTREE", *titles, TitleFormat, 0x800).entries) {
      help.titles[U32(entry, 0)] = StringAt(entry, 4);
    }
  }
  ReadKeywords(reader, help);
  if (const auto numbers = reader.File("|CTXOMAP")) {
    const std::size_t count = U16(*numbers, 0);
    if (numbers->size() != 2 + count * 8) help.faults.push_back("|CTXOMAP's size is not its count's");
    for (std::size_t i = 0; i < count && 2 + i * 8 + 8 <= numbers->size(); ++i) {
      help.numbers[static_cast<std::int32_t>(U32(*numbers, 2 + i * 8))] = U32(*numbers, 6 + i * 8);
    }
  }
  help.faults.insert(help.faults.begin(), reader.faults.begin(), reader.faults.end());
  // Everything that names a topic names the start of one.
  for (const auto& [hash, offset] : help.contexts) {
    if (!help.TopicAt(offset)) help.faults.push_back("a context leads to no topic");
  }
  for (const auto& [number, offset] : help.numbers) {
    if (!help.TopicAt(offset)) help.faults.push_back("context number " + std::to_string(number) + " leads to no topic");
  }
  for (const auto& [keyword, offsets] : help.keywords) {
    for (const std::uint32_t offset : offsets) {
      if (!help.TopicAt(offset)) help.faults.push_back("keyword " + keyword + " leads to no topic");
    }
  }
  for (const Topic& topic : help.topics) {
    if (help.titles[topic.offset] != topic.title) help.faults.push_back("|TTLBTREE misses the title of " + topic.title);
  }
  if (!help.TopicAt(help.contents)) help.faults.push_back("the contents are no topic");
  return help;
}

// The context hash as the format describes it: letters count without case, from 17 on; digits
// 1 to 9 as themselves, 0 as 10; "." 12, "_" 13; each step multiplies by 43.
std::int32_t HashOf(const std::string& context) {
  std::uint32_t hash = 0;
  for (const char c : context) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::uint32_t value = lower >= 'a' && lower <= 'z' ? lower - 'a' + 17
                                : c >= '1' && c <= '9'        ? c - '0'
                                : c == '0'                     ? 10
                                : c == '.'                     ? 12
                                                               : 13;
    hash = hash * 43 + value;
  }
  return static_cast<std::int32_t>(hash);
}

// What the source says about its topics, from its lines alone.
struct SourceTopic {
  std::string context, title;
  std::vector<std::string> keywords;
  std::int32_t number = 0;
  std::vector<std::string> macros;
};

std::vector<SourceTopic> SourceTopics(const std::string& source) {
  std::vector<SourceTopic> topics;
  std::size_t start = 0;
  while (start < source.size()) {
    const std::size_t end = std::min(source.find('\n', start), source.size());
    std::string line = source.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with("@topic ")) {
      const std::size_t space = line.find(' ', 7);
      topics.push_back({line.substr(7, space - 7), line.substr(line.find_first_not_of(' ', space)), {}, 0, {}});
    } else if (line.starts_with("@number ")) {
      topics.back().number = std::stoi(line.substr(8));
    } else if (line.starts_with("@macro ")) {
      topics.back().macros.push_back(line.substr(7));
    } else if (line.starts_with("@keywords ")) {
      std::string rest = line.substr(10) + ";";
      for (std::size_t semicolon; (semicolon = rest.find(';')) != std::string::npos; rest.erase(0, semicolon + 1)) {
        const std::string keyword = rest.substr(0, semicolon);
        const std::size_t first = keyword.find_first_not_of(' '), last = keyword.find_last_not_of(' ');
        if (first != std::string::npos) topics.back().keywords.push_back(keyword.substr(first, last - first + 1));
      }
    }
  }
  return topics;
}

Bytes Build(const std::string& source) {
  const HelpSourceResult parsed = ParseHelpSource(source);
  EXPECT_TRUE(parsed.document) << parsed.error;
  if (!parsed.document) return {};
  const HelpFileResult file = WriteHelpFile(*parsed.document);
  EXPECT_EQ(file.error, "");
  return file.bytes;
}

// Every topic of the source is in the file under its context, reached from the contents, and
// every keyword of the source leads to its topic.
void ExpectSourceInFile(const std::string& source, const HelpContents& help) {
  const std::vector<SourceTopic> topics = SourceTopics(source);
  ASSERT_FALSE(topics.empty());
  EXPECT_EQ(help.topics.size(), topics.size());
  const std::set<std::uint32_t> reached = help.Reached();
  std::size_t keywordCount = 0, numberCount = 0;
  for (const SourceTopic& topic : topics) {
    const auto context = help.contexts.find(HashOf(topic.context));
    ASSERT_NE(context, help.contexts.end()) << topic.context;
    const Topic* found = help.TopicAt(context->second);
    ASSERT_NE(found, nullptr) << topic.context;
    EXPECT_EQ(found->title, topic.title) << topic.context;
    EXPECT_TRUE(reached.contains(found->offset)) << topic.context << " is not reached from the contents";
    EXPECT_EQ(found->macros, topic.macros) << topic.context;
    if (topic.number != 0) {
      ++numberCount;
      const auto number = help.numbers.find(topic.number);
      ASSERT_NE(number, help.numbers.end()) << topic.context;
      EXPECT_EQ(number->second, found->offset) << topic.context;
    }
    for (const std::string& keyword : topic.keywords) {
      ++keywordCount;
      const auto entry = help.keywords.find(keyword);
      ASSERT_NE(entry, help.keywords.end()) << keyword;
      EXPECT_EQ(entry->second, std::vector<std::uint32_t>{found->offset}) << keyword;
    }
  }
  EXPECT_EQ(help.keywords.size(), keywordCount);
  EXPECT_EQ(help.numbers.size(), numberCount);
  EXPECT_EQ(help.contents, help.topics.front().offset);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(HelpFile, TheShippedHelpHoldsWhatTheViewerReadsAndEveryTopicAndKeywordOfItsSource) {
  const std::string utf8 = ReadFile(PIKTORAN_HELP_SOURCE);
  ASSERT_FALSE(utf8.empty());
  const auto source = Utf8ToShiftJis(utf8);
  ASSERT_TRUE(source);
  const HelpContents help = ReadHelp(Build(*source));
  EXPECT_EQ(help.faults, std::vector<std::string>{});
  EXPECT_EQ(help.charset, 128);  // Shift-JIS: the viewer picks a Japanese font for every |FONT entry
  EXPECT_FALSE(help.title.empty());
  ExpectSourceInFile(*source, help);
  // The program's keyword search opens its topic by number; showing it opens the keyword index.
  const auto keywordSearch = help.numbers.find(KeywordSearchTopic);
  ASSERT_NE(keywordSearch, help.numbers.end());
  const Topic* topic = help.TopicAt(keywordSearch->second);
  ASSERT_NE(topic, nullptr);
  EXPECT_EQ(topic->macros, std::vector<std::string>{"Finder()"});
}

// More topics than one block holds and more keywords and contexts than one page: the records
// spread over blocks, the trees grow index levels, and all of it is still found.
TEST(HelpFile, ManyTopicsSpreadOverBlocksAndTreeLevels) {
  std::string source = "@title 大きなヘルプ\n";
  const std::string filler(180, 'x');
  for (int i = 0; i < 400; ++i) {
    const std::string n = std::to_string(i);
    source += "@topic topic_" + n + " 項目" + n + "\n@keywords キーワード" + n + "; word" + n + "; Word" + n + "a\n";
    source += "説明" + filler + " {次へ|topic_" + std::to_string((i + 1) % 400) + "} です。\n";
  }
  const HelpContents help = ReadHelp(Build(source));
  EXPECT_EQ(help.faults, std::vector<std::string>{});
  EXPECT_GT(help.topics.back().offset / 0x8000, 10u);  // well beyond the first block
  EXPECT_GT(help.keywordLevels, 1);
  EXPECT_GT(help.contextLevels, 1);
  ExpectSourceInFile(source, help);
}

// Second bytes of two-byte characters that look like the markup ("ポ" ends in "|", "ボ" in "{",
// "マ" in "}", "ソ" in "\") stay text.
TEST(HelpFile, TwoByteCharactersWhoseSecondByteLooksLikeMarkupStayText) {
  const std::string source = "@title ソ\n@topic a ポマボ\nソ{ポ|b}マボ|ソ\n@topic b 表\n@keywords ポ\n";
  const HelpSourceResult parsed = ParseHelpSource(source);
  ASSERT_TRUE(parsed.document) << parsed.error;
  const HelpContents help = ReadHelp(Build(source));
  EXPECT_EQ(help.faults, std::vector<std::string>{});
  ASSERT_EQ(help.topics.size(), 2u);
  EXPECT_EQ(help.topics[0].text, "ポマボソポマボ|ソ");
  EXPECT_EQ(help.topics[0].jumps, std::vector<std::int32_t>{HashOf("b")});
  EXPECT_EQ(help.keywords.count("ポ"), 1u);
}

TEST(HelpSource, RefusesFaultsWithTheirLine) {
  struct Case {
    const char* name;
    std::string source;
    std::string error;
  };
  const std::string head = "@title T\n@topic top 目次\n";
  const Case cases[] = {
      {"no title", "@topic a A\n", "no @title"},
      {"no topic", "@title T\n", "no @topic"},
      {"text before a topic", "@title T\ntext\n", "line 2: text before the first @topic"},
      {"jump to no topic", head + "{x|nowhere}\n", "line 3: jump to the unknown topic nowhere"},
      {"context twice, in another case", head + "{a|TOP}\n@topic Top B\n", "line 4: context Top given twice"},
      {"bad context", head + "@topic ファイル F\n", "line 3: \"ファイル\" is no context name"},
      {"no title for a topic", head + "@topic b\n", "line 3: topic b without a title"},
      {"keyword twice", head + "@keywords 画面; ABC\n{b|b}\n@topic b B\n@keywords abc\n", "line 6: keyword abc given twice"},
      {"empty keyword", head + "@keywords a;;b\n", "line 3: an empty keyword"},
      {"topic not reached", head + "@topic lost 迷子\n", "line 3: topic lost is not reached from the contents"},
      {"unclosed jump", head + "{目次|top\n", "line 3: a jump without its closing \"}\""},
      {"stray brace", head + "a}b\n", "line 3: \"}\" without \"{TEXT|CONTEXT\""},
      {"jump without text", head + "{|top}\n", "line 3: a jump without text"},
      {"broken two-byte character", head + "abc\x82\n", "line 3: broken two-byte character at the end of the line"},
      {"unknown directive", head + "@index x\n", "line 3: unknown directive @index"},
      {"title after a topic", head + "@title U\n", "line 3: @title after the first @topic"},
      {"number before a topic", "@title T\n@number 1\n", "line 2: @number before the first @topic"},
      {"number not a number", head + "@number 1a\n", "line 3: \"1a\" is no context number"},
      {"number zero", head + "@number 0\n", "line 3: \"0\" is no context number"},
      {"number twice", head + "@number 2\n{b|b}\n@topic b B\n@number 2\n", "line 6: context number 2 given twice"},
      {"two numbers for one topic", head + "@number 2\n@number 3\n", "line 4: a second @number for one topic"},
      {"empty macro", head + "@macro\n", "line 3: an empty macro"},
  };
  for (const Case& c : cases) {
    const HelpSourceResult result = ParseHelpSource(c.source);
    EXPECT_FALSE(result.document) << c.name;
    EXPECT_TRUE(result.error.starts_with(c.error)) << c.name << ": " << result.error;
  }
}

TEST(HelpText, ShippedTextsBecomeShiftJisWithCrLf) {
  EXPECT_EQ(WithCrLf("a\nb\r\nc\n\n"), "a\r\nb\r\nc\r\n\r\n");
  EXPECT_EQ(WithCrLf("no line end"), "no line end");
  const std::u8string_view utf8 = u8"ピクトラン ABC\n";
  EXPECT_EQ(Utf8ToShiftJis(std::string(utf8.begin(), utf8.end())), std::optional<std::string>("ピクトラン ABC\n"));  // narrow literals are Shift-JIS
  EXPECT_EQ(Utf8ToShiftJis("\xE2\x82"), std::nullopt);               // cut in the middle of a character
  EXPECT_EQ(Utf8ToShiftJis("\xF0\x9F\x98\x80"), std::nullopt);       // no Shift-JIS form
  const auto readme = Utf8ToShiftJis(ReadFile(PIKTORAN_README_SOURCE));
  ASSERT_TRUE(readme);
  EXPECT_NE(readme->find("HKEY_CURRENT_USER\\Software\\QUILO SOFT32\\PIKTORAN"), std::string::npos);
}

}  // namespace
