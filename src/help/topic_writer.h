#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "help/help_bytes.h"
#include "help/help_document.h"

// The fonts the topics use, by their number in |FONT.
enum class HelpFont : std::uint16_t { Body, Title, Subheading, Count };

// |TOPIC: every topic as a header record (its title) followed by one text record a paragraph,
// the topic's title first, and an empty header record after the last topic, in blocks of 4096
// bytes. A block's records are kept in the packed
// form with literals only, so that every block addresses a 16 KiB window and the offsets into
// it mean the same to every viewer; a record never spans two blocks.
struct TopicFile {
  HelpBytes bytes;
  std::vector<std::uint32_t> topicOffsets;  // where each topic starts, as jumps and the index name it
};

// Empty when one paragraph does not fit into a block.
std::optional<TopicFile> WriteTopicFile(const HelpDocument& document);
