#include "help/help_html_writer.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include "common/shift_jis.h"

namespace {

// The markup characters all lie below the trail bytes of two-byte characters (0x40 and up), so
// they can be escaped byte by byte.
std::string Escaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Link(const std::string& text, const std::string& target) {
  return "<a href=\"#" + Escaped(target) + "\">" + Escaped(text) + "</a>";
}

std::string Paragraph(const HelpParagraph& paragraph) {
  std::string runs;
  for (const HelpRun& run : paragraph.runs) runs += run.target.empty() ? Escaped(run.text) : Link(run.text, run.target);
  switch (paragraph.style) {
    case HelpParagraphStyle::Subheading: return "<h3>" + runs + "</h3>\n";
    case HelpParagraphStyle::Item: return "<p class=\"item\">" + runs + "</p>\n";
    case HelpParagraphStyle::Body: break;
  }
  return "<p>" + runs + "</p>\n";
}

struct IndexEntry {
  std::string folded;  // a reader looks words up without regard to case
  std::string keyword;
  const HelpTopic* topic;
};

std::string Index(const HelpDocument& document) {
  std::vector<IndexEntry> entries;
  for (const HelpTopic& topic : document.topics) {
    for (const std::string& keyword : topic.keywords) entries.push_back({AsciiLowerCase(keyword), keyword, &topic});
  }
  std::sort(entries.begin(), entries.end(), [](const IndexEntry& a, const IndexEntry& b) {
    return std::tie(a.folded, a.keyword) < std::tie(b.folded, b.keyword);
  });
  std::string html = "<section id=\"" + std::string(HelpIndexAnchor) + "\">\n<h2>索引</h2>\n<ul class=\"index\">\n";
  for (const IndexEntry& entry : entries) {
    html += "<li>" + Link(entry.keyword, entry.topic->context) + " … " + Escaped(entry.topic->title) + "</li>\n";
  }
  return html + "</ul>\n</section>\n";
}

}  // namespace

std::string WriteHelpHtml(const HelpDocument& document) {
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"Shift_JIS\">\n<title>" + Escaped(document.title) +
      "</title>\n<style>\n"
      "body { font-family: sans-serif; max-width: 46em; margin: 1em auto; padding: 0 1em; line-height: 1.6; }\n"
      "section { border-top: 1px solid #ccc; padding-top: 0.5em; margin-top: 2em; }\n"
      "a { color: #008000; }\n"
      "p.item { margin: 0.2em 0 0.2em 1.5em; }\n"
      "ul.index { columns: 2; }\n"
      "footer { color: #666; font-size: small; margin: 2em 0; }\n"
      "</style>\n</head>\n<body>\n<h1>" +
      Escaped(document.title) + "</h1>\n";
  for (const HelpTopic& topic : document.topics) {
    html += "<section id=\"" + Escaped(topic.context) + "\">\n<h2>" + Escaped(topic.title) + "</h2>\n";
    for (const HelpParagraph& paragraph : topic.paragraphs) html += Paragraph(paragraph);
    html += "</section>\n";
  }
  html += Index(document);
  if (!document.copyright.empty()) html += "<footer>" + Escaped(document.copyright) + "</footer>\n";
  return html + "</body>\n</html>\n";
}
