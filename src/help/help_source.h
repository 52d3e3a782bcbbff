#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "help/help_document.h"

// The help source: Shift-JIS text, one paragraph a line.
//
//   # a comment
//   @title TITLE                 the help file's title (once, before the topics)
//   @copyright TEXT              optional, shown by the viewer's about box
//   @topic CONTEXT TITLE         starts a topic; the first one is the contents
//   @keywords WORD; WORD         index entries of the current topic
//   @number N                    the topic's context number for a program's context calls (1 or more)
//   @macro MACRO                 a viewer macro run whenever the topic shows, e.g. Finder()
//   * TEXT                       a subheading
//   ・TEXT                       an indented list item
//   TEXT                         a paragraph
//
// In a paragraph "{TEXT|CONTEXT}" is a jump to the topic CONTEXT. Blank lines are skipped.
// A source is refused with the first fault found, as "line N: ..." (N counts from 1): a jump to
// no topic, a context, context number or keyword given twice, a topic no chain of jumps from the contents
// reaches, a broken two-byte character.
struct HelpSourceResult {
  std::optional<HelpDocument> document;
  std::string error;
};

HelpSourceResult ParseHelpSource(std::string_view text);
