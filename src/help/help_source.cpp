#include "help/help_source.h"

#include <charconv>
#include <map>
#include <set>
#include <vector>

#include "common/shift_jis.h"
#include "help/context_hash.h"

namespace {

constexpr std::string_view ItemMark = "・";

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

std::string LineError(std::size_t line, std::string_view message) {
  return "line " + std::to_string(line) + ": " + std::string(message);
}

// Splits a paragraph line into plain and jump runs. Scans whole characters, so the second byte
// of a two-byte character is never taken for a brace or a bar.
std::optional<std::string> ParseRuns(std::string_view line, std::vector<HelpRun>& runs) {
  HelpRun current;
  bool inJump = false;
  bool inTarget = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (IsShiftJisLeadByte(static_cast<unsigned char>(c))) {
      if (i + 1 >= line.size()) return "broken two-byte character at the end of the line";
      (inTarget ? current.target : current.text).append(line.substr(i, 2));
      ++i;
    } else if (c == '{') {
      if (inJump) return "\"{\" inside a jump";
      if (!current.text.empty()) runs.push_back(current);
      current = {};
      inJump = true;
    } else if (c == '|' && inJump && !inTarget) {
      inTarget = true;
    } else if (c == '}') {
      if (!inTarget) return "\"}\" without \"{TEXT|CONTEXT\"";
      if (current.text.empty()) return "a jump without text";
      runs.push_back(current);
      current = {};
      inJump = inTarget = false;
    } else {
      (inTarget ? current.target : current.text).push_back(c);
    }
  }
  if (inJump) return "a jump without its closing \"}\"";
  if (!current.text.empty()) runs.push_back(current);
  return std::nullopt;
}

struct SourceTopic {
  std::size_t line = 0;
  std::vector<std::size_t> jumpLines;  // per jump, in order of the paragraphs' runs
};

class Parser {
 public:
  HelpSourceResult Run(std::string_view text) {
    std::size_t lineNumber = 0;
    while (!text.empty()) {
      ++lineNumber;
      const std::size_t end = text.find('\n');
      const std::string_view line = Trim(text.substr(0, end));
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
      if (line.empty() || line.front() == '#') continue;
      if (auto fault = ParseLine(line, lineNumber)) return {std::nullopt, LineError(lineNumber, *fault)};
    }
    if (auto fault = Check()) return {std::nullopt, *fault};
    return {std::move(document_), {}};
  }

 private:
  std::optional<std::string> ParseLine(std::string_view line, std::size_t lineNumber) {
    if (line.front() == '@') return ParseDirective(line, lineNumber);
    if (document_.topics.empty()) return "text before the first @topic";
    HelpParagraph paragraph;
    if (line.starts_with("* ")) {
      paragraph.style = HelpParagraphStyle::Subheading;
      line = Trim(line.substr(2));
    } else if (line.starts_with(ItemMark)) {
      paragraph.style = HelpParagraphStyle::Item;
    }
    if (auto fault = ParseRuns(line, paragraph.runs)) return fault;
    for (const HelpRun& run : paragraph.runs) {
      if (!run.target.empty()) sources_.back().jumpLines.push_back(lineNumber);
    }
    document_.topics.back().paragraphs.push_back(std::move(paragraph));
    return std::nullopt;
  }

  std::optional<std::string> ParseDirective(std::string_view line, std::size_t lineNumber) {
    const std::size_t space = line.find(' ');
    const std::string_view name = line.substr(0, space);
    const std::string_view value = space == std::string_view::npos ? std::string_view() : Trim(line.substr(space));
    if (name == "@title" || name == "@copyright") {
      if (!document_.topics.empty()) return std::string(name) + " after the first @topic";
      (name == "@title" ? document_.title : document_.copyright) = value;
      return std::nullopt;
    }
    if (name == "@topic") return StartTopic(value, lineNumber);
    if (document_.topics.empty()) return std::string(name) + " before the first @topic";
    if (name == "@keywords") return AddKeywords(value);
    if (name == "@number") return SetContextNumber(value);
    if (name == "@macro") {
      if (value.empty()) return "an empty macro";
      document_.topics.back().macros.emplace_back(value);
      return std::nullopt;
    }
    return "unknown directive " + std::string(name);
  }

  std::optional<std::string> StartTopic(std::string_view value, std::size_t lineNumber) {
    const std::size_t space = value.find(' ');
    HelpTopic topic;
    topic.context = value.substr(0, space);
    if (space != std::string_view::npos) topic.title = Trim(value.substr(space));
    if (!IsContextName(topic.context)) return "\"" + topic.context + "\" is no context name (letters, digits, _ and .)";
    if (topic.title.empty()) return "topic " + topic.context + " without a title";
    if (!contexts_.emplace(ContextHash(topic.context), document_.topics.size()).second) {
      return "context " + topic.context + " given twice";
    }
    document_.topics.push_back(std::move(topic));
    sources_.push_back({lineNumber, {}});
    return std::nullopt;
  }

  std::optional<std::string> AddKeywords(std::string_view value) {
    while (!value.empty()) {
      const std::size_t separator = value.find(';');
      const std::string keyword(Trim(value.substr(0, separator)));
      value = separator == std::string_view::npos ? std::string_view() : value.substr(separator + 1);
      if (keyword.empty()) return "an empty keyword";
      if (keyword.size() > 255) return "a keyword longer than 255 bytes";
      // The viewer's index jumps straight to a keyword's one topic, so a keyword names only one.
      if (!keywords_.insert(AsciiLowerCase(keyword)).second) return "keyword " + keyword + " given twice";
      document_.topics.back().keywords.push_back(keyword);
    }
    return std::nullopt;
  }

  std::optional<std::string> SetContextNumber(std::string_view value) {
    std::int32_t number = 0;
    const auto [end, fault] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (fault != std::errc() || end != value.data() + value.size() || number < 1) {
      return "\"" + std::string(value) + "\" is no context number (1 or more)";
    }
    if (document_.topics.back().contextNumber != 0) return "a second @number for one topic";
    if (!numbers_.insert(number).second) return "context number " + std::string(value) + " given twice";
    document_.topics.back().contextNumber = number;
    return std::nullopt;
  }

  // Jumps lead to topics, and every topic can be reached from the contents.
  std::optional<std::string> Check() const {
    if (document_.title.empty()) return "no @title";
    if (document_.topics.empty()) return "no @topic";
    std::vector<bool> reached(document_.topics.size(), false);
    std::vector<std::size_t> pending{0};
    reached[0] = true;
    while (!pending.empty()) {
      const std::size_t index = pending.back();
      pending.pop_back();
      std::size_t jump = 0;
      for (const HelpParagraph& paragraph : document_.topics[index].paragraphs) {
        for (const HelpRun& run : paragraph.runs) {
          if (run.target.empty()) continue;
          const std::size_t line = sources_[index].jumpLines[jump++];
          const auto target = contexts_.find(ContextHash(run.target));
          if (!IsContextName(run.target) || target == contexts_.end()) {
            return LineError(line, "jump to the unknown topic " + run.target);
          }
          if (!reached[target->second]) {
            reached[target->second] = true;
            pending.push_back(target->second);
          }
        }
      }
    }
    for (std::size_t i = 0; i < reached.size(); ++i) {
      if (!reached[i]) {
        return LineError(sources_[i].line, "topic " + document_.topics[i].context + " is not reached from the contents");
      }
    }
    return std::nullopt;
  }

  HelpDocument document_;
  std::vector<SourceTopic> sources_;
  std::map<std::int32_t, std::size_t> contexts_;  // hash to topic index
  std::set<std::string> keywords_;
  std::set<std::int32_t> numbers_;
};

}  // namespace

HelpSourceResult ParseHelpSource(std::string_view text) { return Parser().Run(text); }
