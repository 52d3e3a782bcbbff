#include "browser/entry_history.h"

#include <algorithm>

#include "common/shift_jis.h"

void MoveToTop(std::vector<std::string>& history, std::string_view text) {
  if (text.empty()) return;
  const std::string key = AsciiUpperCase(text);
  std::erase_if(history, [&key](const std::string& entry) { return AsciiUpperCase(entry) == key; });
  history.insert(history.begin(), std::string(text));
}
