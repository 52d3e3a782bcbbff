#include "app/command_line.h"

#include "common/shift_jis.h"

bool LooksLikeFullPath(std::string_view text) {
  return text.size() > 6 && text[1] == ':' && text[2] == '\\';
}

void ApplyArgumentRules(const std::vector<std::string>& arguments, const FileProbe& probe,
                        HandedFiles& handed) {
  for (std::string argument : arguments) {
    if (argument.empty()) continue;
    if (argument.front() == '-') argument.front() = '/';
    if (argument.front() == '/') argument = AsciiUpperCase(argument);
    if (argument == "/G") {
      handed.captureRequested = true;
    } else if (LooksLikeFullPath(argument) && probe.exists(argument)) {
      handed.files.push_back(probe.expandLongPath(argument));
    }
  }
}

std::string JoinHandOverText(const std::vector<std::string>& arguments) {
  std::string text;
  for (const std::string& argument : arguments) text += argument + "?";
  if (!text.empty()) text.pop_back();
  return text;
}

std::vector<std::string> SplitHandOverText(std::string_view text) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : text) {
    if (c == '?') {
      pieces.push_back(std::move(piece));
      piece.clear();
    } else {
      piece += c;
    }
  }
  pieces.push_back(std::move(piece));
  return pieces;
}
