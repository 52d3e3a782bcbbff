// Builds the shipped help file and read-me from their UTF-8 sources.
//
//   make_help --help SOURCE.txt OUTPUT.HLP    the help file (see src/help/help_source.h)
//   make_help --html SOURCE.txt OUTPUT.HTM    the same help as one HTML page
//   make_help --text SOURCE.txt OUTPUT.TXT    the text in Shift-JIS with CR LF line ends
//
// Nothing is written when the source is refused.
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "help/help_file_writer.h"
#include "help/help_html_writer.h"
#include "help/help_source.h"
#include "help/help_text.h"

namespace {

std::optional<std::string> ReadShiftJis(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << path << ": cannot open\n";
    return std::nullopt;
  }
  const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto text = Utf8ToShiftJis(utf8);
  if (!text) std::cerr << path << ": not UTF-8, or a character without a Shift-JIS form\n";
  return text;
}

bool Write(const std::string& path, const void* bytes, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(bytes), static_cast<std::streamsize>(size));
  if (out.flush()) return true;
  std::cerr << path << ": cannot write\n";
  return false;
}

std::optional<HelpDocument> ReadHelpSource(const std::string& source) {
  const auto text = ReadShiftJis(source);
  if (!text) return std::nullopt;
  HelpSourceResult parsed = ParseHelpSource(*text);
  if (!parsed.document) std::cerr << source << ": " << parsed.error << "\n";
  return std::move(parsed.document);
}

int MakeHelp(const std::string& source, const std::string& output) {
  const auto document = ReadHelpSource(source);
  if (!document) return 1;
  const HelpFileResult file = WriteHelpFile(*document);
  if (!file.error.empty()) {
    std::cerr << source << ": " << file.error << "\n";
    return 1;
  }
  return Write(output, file.bytes.data(), file.bytes.size()) ? 0 : 1;
}

int MakeHtml(const std::string& source, const std::string& output) {
  const auto document = ReadHelpSource(source);
  if (!document) return 1;
  const std::string page = WriteHelpHtml(*document);
  return Write(output, page.data(), page.size()) ? 0 : 1;
}

int MakeText(const std::string& source, const std::string& output) {
  const auto text = ReadShiftJis(source);
  if (!text) return 1;
  const std::string lines = WithCrLf(*text);
  return Write(output, lines.data(), lines.size()) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc == 4 ? argv[1] : "";
  if (mode == "--help") return MakeHelp(argv[2], argv[3]);
  if (mode == "--html") return MakeHtml(argv[2], argv[3]);
  if (mode == "--text") return MakeText(argv[2], argv[3]);
  std::cerr << "usage: make_help --help SOURCE.txt OUTPUT.HLP | --html SOURCE.txt OUTPUT.HTM | --text SOURCE.txt OUTPUT.TXT\n";
  return 2;
}
