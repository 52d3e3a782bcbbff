// The help's HTML twin and the address the program opens it at.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "app/help_file.h"
#include "help/help_html_writer.h"
#include "help/help_source.h"
#include "help/help_text.h"

namespace {

HelpDocument ShippedHelp() {
  std::ifstream in(PIKTORAN_HELP_SOURCE, std::ios::binary);
  const std::string utf8{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto source = Utf8ToShiftJis(utf8);
  EXPECT_TRUE(source);
  HelpSourceResult parsed = ParseHelpSource(source.value_or(""));
  EXPECT_TRUE(parsed.document) << parsed.error;
  return parsed.document.value_or(HelpDocument{});
}

TEST(HelpPage, HoldsEveryTopicJumpAndKeywordOfTheShippedHelp) {
  const HelpDocument help = ShippedHelp();
  ASSERT_FALSE(help.topics.empty());
  const std::string page = WriteHelpHtml(help);
  EXPECT_NE(page.find("<meta charset=\"Shift_JIS\">"), std::string::npos);

  std::set<std::string> anchors;
  const std::regex id("id=\"([^\"]+)\"");
  for (auto it = std::sregex_iterator(page.begin(), page.end(), id); it != std::sregex_iterator(); ++it) {
    EXPECT_TRUE(anchors.insert((*it)[1]).second) << "twice: " << (*it)[1];
  }
  EXPECT_TRUE(anchors.contains(HelpIndexAnchor));
  for (const HelpTopic& topic : help.topics) {
    EXPECT_TRUE(anchors.contains(topic.context)) << topic.context;
    EXPECT_NE(page.find("<h2>" + topic.title + "</h2>"), std::string::npos) << topic.context;
    for (const std::string& keyword : topic.keywords) {
      EXPECT_NE(page.find("<a href=\"#" + topic.context + "\">" + keyword + "</a>"), std::string::npos) << keyword;
    }
  }
  // Every jump lands on a topic; the contents come first.
  const std::regex jump("href=\"#([^\"]+)\"");
  int jumps = 0;
  for (auto it = std::sregex_iterator(page.begin(), page.end(), jump); it != std::sregex_iterator(); ++it, ++jumps) {
    EXPECT_TRUE(anchors.contains((*it)[1])) << (*it)[1];
  }
  EXPECT_GT(jumps, 50);
  EXPECT_LT(page.find("id=\"" + help.topics.front().context + "\""), page.find("id=\"" + help.topics[1].context + "\""));
}

TEST(HelpPage, MarkupInTheTextStaysTextAndTheIndexIgnoresCase) {
  const char* source =
      "@title T\n@topic top A<b> & \"c\"\n@keywords beta; Alpha; <x>\nx < y & z {go|next}\n@topic next N\n{back|top}\n";
  const HelpSourceResult parsed = ParseHelpSource(source);
  ASSERT_TRUE(parsed.document) << parsed.error;
  const std::string page = WriteHelpHtml(*parsed.document);
  EXPECT_NE(page.find("<h2>A&lt;b&gt; &amp; &quot;c&quot;</h2>"), std::string::npos);
  EXPECT_NE(page.find("<p>x &lt; y &amp; z <a href=\"#next\">go</a></p>"), std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  const std::size_t alpha = page.find(">Alpha</a>"), beta = page.find(">beta</a>"), markup = page.find(">&lt;x&gt;</a>");
  ASSERT_NE(alpha, std::string::npos);
  EXPECT_LT(markup, alpha);
  EXPECT_LT(alpha, beta);
}

TEST(HelpPage, TheAddressOfAPageBesideTheProgram) {
  const struct {
    std::string path;
    std::string anchor;
    std::string url;
  } cases[] = {
      {"C:\\Program Files\\PIKTORAN\\PIKTORAN.HTM", "", "file:///C:/Program%20Files/PIKTORAN/PIKTORAN.HTM"},
      {"C:\\Tools (64-bit)\\#1 100%\\PIKTORAN.HTM", "index", "file:///C:/Tools%20(64-bit)/%231%20100%25/PIKTORAN.HTM#index"},
      // 表 ends in the byte of a backslash, which stays part of the character.
      {"D:\\表\\PIKTORAN.HTM", "contents", "file:///D:/表/PIKTORAN.HTM#contents"},
  };
  for (const auto& c : cases) EXPECT_EQ(LocalPageUrl(c.path, c.anchor), c.url) << c.path;
}

}  // namespace
