#include "common/list_file.h"

#include "common/shift_jis.h"

namespace {

// True when the last byte starts a two-byte character that the line cuts off.
bool EndsInsideCharacter(std::string_view line) {
  std::size_t i = 0;
  while (i < line.size()) i += IsShiftJisLeadByte(static_cast<unsigned char>(line[i])) ? 2 : 1;
  return i > line.size();
}

bool CanBeName(std::string_view line) {
  return !line.empty() && line.size() <= MaxListNameBytes && line.find('\0') == std::string_view::npos &&
         !EndsInsideCharacter(line);
}

}  // namespace

std::vector<std::string> ParseListFile(std::string_view text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    if (CanBeName(line)) names.emplace_back(line);
    // CR LF is one line end; a lone CR or LF is one too.
    start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
  }
  return names;
}

std::string FormatListFile(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) {
    text += name;
    text += "\r\n";
  }
  return text;
}

bool SameFileName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiUpperCase(a) == AsciiUpperCase(b);
}
