#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "help/help_bytes.h"

// The B+ trees of a help file: its directory and the |CONTEXT, |TTLBTREE and |KWBTREE files.
// Entries go into leaf pages in the order given (the caller sorts them); index pages above them
// repeat each child's first key, until one page, the root, is left.
struct BTreeEntry {
  HelpBytes leaf;  // the whole leaf entry
  HelpBytes key;   // the entry's key as an index page repeats it
};

struct BTreeLeafPage {
  std::uint32_t firstEntry = 0;  // index of its first entry among all entries
  std::uint16_t page = 0;
};

struct BTreeFile {
  HelpBytes bytes;  // header and pages: the content of the internal file
  std::vector<BTreeLeafPage> leafPages;
};

enum class BTreeKind { Directory, Data };

// `structure` describes the entries for the viewer ("z4", "L4", ...). Empty when an entry does
// not fit into a page or the pages outnumber what a page number can address.
std::optional<BTreeFile> WriteBTree(const std::vector<BTreeEntry>& sortedEntries, std::string_view structure,
                                    BTreeKind kind);
