#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A help file as its source describes it. Every text is a Shift-JIS byte string.

// A piece of a paragraph: plain text, or the text of a jump to the topic named by `target`.
struct HelpRun {
  std::string text;
  std::string target;  // context name; empty for plain text
};

enum class HelpParagraphStyle { Body, Subheading, Item };

struct HelpParagraph {
  HelpParagraphStyle style = HelpParagraphStyle::Body;
  std::vector<HelpRun> runs;
};

struct HelpTopic {
  std::string context;  // the name jumps and the viewer's context calls use
  std::string title;
  std::vector<std::string> keywords;
  // The number a program's context call names the topic by (0: none), and the viewer's macros
  // that run whenever the topic shows.
  std::int32_t contextNumber = 0;
  std::vector<std::string> macros;
  std::vector<HelpParagraph> paragraphs;
};

// The first topic is the contents.
struct HelpDocument {
  std::string title;
  std::string copyright;
  std::vector<HelpTopic> topics;
};
