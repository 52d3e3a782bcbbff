#include "help/help_file_writer.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "help/btree_writer.h"
#include "help/context_hash.h"
#include "help/help_container.h"
#include "help/topic_writer.h"

namespace {

constexpr std::uint32_t ShiftJisCharset = 128;
// Known by that name to a Japanese system; the charset alone would pick a Japanese font too.
constexpr std::string_view FaceName = "MS PGothic";
constexpr std::size_t FaceNameBytes = 32;

void AppendSystemRecord(HelpBytes& out, std::uint32_t type, const HelpBytes& data) {
  AppendU16(out, type);
  AppendU16(out, static_cast<std::uint32_t>(data.size()));
  Append(out, data);
}

HelpBytes StringZ(std::string_view text) {
  HelpBytes bytes;
  AppendStringZ(bytes, text);
  return bytes;
}

// Version 1.33 (WinHelp 4), packed topics in 4 KiB blocks.
HelpBytes SystemFile(const HelpDocument& document, std::uint32_t contents) {
  HelpBytes out;
  AppendU16(out, 0x036C);
  AppendU16(out, 33);
  AppendU16(out, 1);
  AppendU32(out, 0);  // no build date, so the same source gives the same file
  AppendU16(out, 4);
  AppendSystemRecord(out, 1, StringZ(document.title));
  if (!document.copyright.empty()) AppendSystemRecord(out, 2, StringZ(document.copyright));
  HelpBytes start;
  AppendU32(start, contents);
  AppendSystemRecord(out, 3, start);
  HelpBytes charset;
  AppendU16(charset, ShiftJisCharset);
  AppendSystemRecord(out, 11, charset);
  HelpBytes dialogFont;  // the viewer's own dialogs: 9 point, Shift-JIS
  AppendU8(dialogFont, 9);
  AppendU8(dialogFont, ShiftJisCharset);
  AppendStringZ(dialogFont, FaceName);
  AppendSystemRecord(out, 12, dialogFont);
  return out;
}

struct FontLook {
  HelpFont font;
  bool bold;
  std::uint32_t halfPoints;
  std::uint8_t red, green, blue;
};

// One face; descriptors in the order of HelpFont.
HelpBytes FontFile() {
  constexpr FontLook looks[] = {{HelpFont::Body, false, 20, 0, 0, 0},
                                {HelpFont::Title, true, 28, 0, 0, 128},
                                {HelpFont::Subheading, true, 22, 0, 64, 128}};
  static_assert(std::size(looks) == static_cast<std::size_t>(HelpFont::Count));
  HelpBytes out;
  AppendU16(out, 1);
  AppendU16(out, std::size(looks));
  AppendU16(out, 8);
  AppendU16(out, 8 + FaceNameBytes);
  HelpBytes face(FaceName.begin(), FaceName.end());
  face.resize(FaceNameBytes, 0);
  Append(out, face);
  for (const FontLook& look : looks) {
    AppendU8(out, look.bold ? 1 : 0);
    AppendU8(out, look.halfPoints);
    AppendU8(out, 3);   // swiss: no serifs
    AppendU16(out, 0);  // the face
    AppendU8(out, look.red);
    AppendU8(out, look.green);
    AppendU8(out, look.blue);
    for (int i = 0; i < 3; ++i) AppendU8(out, 255);
  }
  return out;
}

BTreeEntry NumberedEntry(std::uint32_t key, const HelpBytes& rest) {
  BTreeEntry entry;
  AppendU32(entry.key, key);
  entry.leaf = entry.key;
  Append(entry.leaf, rest);
  return entry;
}

std::optional<HelpBytes> ContextFile(const HelpDocument& document, const std::vector<std::uint32_t>& offsets) {
  std::vector<std::pair<std::int32_t, std::uint32_t>> contexts;
  for (std::size_t i = 0; i < document.topics.size(); ++i) {
    contexts.emplace_back(ContextHash(document.topics[i].context), offsets[i]);
  }
  std::sort(contexts.begin(), contexts.end());  // the viewer searches the hashes as signed numbers
  std::vector<BTreeEntry> entries;
  for (const auto& [hash, offset] : contexts) {
    HelpBytes place;
    AppendU32(place, offset);
    entries.push_back(NumberedEntry(static_cast<std::uint32_t>(hash), place));
  }
  const auto tree = WriteBTree(entries, "L4", BTreeKind::Data);
  if (!tree) return std::nullopt;
  return tree->bytes;
}

std::optional<HelpBytes> TitleFile(const HelpDocument& document, const std::vector<std::uint32_t>& offsets) {
  std::vector<BTreeEntry> entries;  // topics lie in the order of their offsets
  for (std::size_t i = 0; i < document.topics.size(); ++i) {
    entries.push_back(NumberedEntry(offsets[i], StringZ(document.topics[i].title)));
  }
  const auto tree = WriteBTree(entries, "Lz", BTreeKind::Data);
  if (!tree) return std::nullopt;
  return tree->bytes;
}

// |CTXOMAP: the numbered topics, as a count and pairs of number and topic offset.
HelpBytes ContextNumberFile(const HelpDocument& document, const std::vector<std::uint32_t>& offsets) {
  HelpBytes pairs;
  std::uint32_t count = 0;
  for (std::size_t i = 0; i < document.topics.size(); ++i) {
    if (document.topics[i].contextNumber == 0) continue;
    AppendU32(pairs, static_cast<std::uint32_t>(document.topics[i].contextNumber));
    AppendU32(pairs, offsets[i]);
    ++count;
  }
  HelpBytes out;
  AppendU16(out, count);
  Append(out, pairs);
  return out;
}

struct Keyword {
  std::string text;
  std::uint32_t offset;
};

// |KWBTREE, |KWDATA and |KWMAP. The keys are of type "z", which viewers compare as strcmp does:
// the one key type whose order lies in the bytes alone. The case-insensitive types are ordered
// by the viewer's character tables or the system's locale, which a file written beforehand
// cannot follow on every system.
std::optional<std::vector<InternalFile>> KeywordFiles(const HelpDocument& document,
                                                      const std::vector<std::uint32_t>& offsets) {
  std::vector<Keyword> keywords;
  for (std::size_t i = 0; i < document.topics.size(); ++i) {
    for (const std::string& keyword : document.topics[i].keywords) {
      keywords.push_back({keyword, offsets[i]});
    }
  }
  // Byte by byte, as unsigned values; the source gives no keyword twice.
  std::sort(keywords.begin(), keywords.end(), [](const Keyword& a, const Keyword& b) { return a.text < b.text; });
  std::vector<BTreeEntry> entries;
  HelpBytes data;
  for (const Keyword& keyword : keywords) {
    BTreeEntry entry;
    AppendStringZ(entry.key, keyword.text);
    entry.leaf = entry.key;
    AppendU16(entry.leaf, 1);
    AppendU32(entry.leaf, static_cast<std::uint32_t>(data.size()));
    AppendU32(data, keyword.offset);
    entries.push_back(std::move(entry));
  }
  const auto tree = WriteBTree(entries, "z24", BTreeKind::Data);
  if (!tree) return std::nullopt;
  HelpBytes map;
  AppendU16(map, static_cast<std::uint32_t>(tree->leafPages.size()));
  for (const BTreeLeafPage& page : tree->leafPages) {
    AppendU32(map, page.firstEntry);
    AppendU16(map, page.page);
  }
  return std::vector<InternalFile>{{"|KWBTREE", tree->bytes}, {"|KWDATA", data}, {"|KWMAP", map}};
}

}  // namespace

HelpFileResult WriteHelpFile(const HelpDocument& document) {
  const auto topics = WriteTopicFile(document);
  if (!topics) return {{}, "a paragraph is too long for one topic block"};
  const auto contexts = ContextFile(document, topics->topicOffsets);
  const auto titles = TitleFile(document, topics->topicOffsets);
  const auto keywords = KeywordFiles(document, topics->topicOffsets);
  if (!contexts || !titles || !keywords) return {{}, "too many topics or keywords for the file's trees"};
  std::vector<InternalFile> files{{"|SYSTEM", SystemFile(document, topics->topicOffsets.front())},
                                  {"|FONT", FontFile()},
                                  {"|TOPIC", topics->bytes},
                                  {"|CONTEXT", *contexts},
                                  {"|TTLBTREE", *titles},
                                  {"|CTXOMAP", ContextNumberFile(document, topics->topicOffsets)}};
  files.insert(files.end(), keywords->begin(), keywords->end());
  auto container = WriteHelpContainer(files);
  if (!container) return {{}, "too many internal files for the directory"};
  return {std::move(*container), {}};
}
