#include "browser/file_sort.h"

#include <algorithm>

void SortFlags::Reset() {
  flags_.fill(true);
  flags_[static_cast<std::size_t>(FileColumn::Name)] = false;
}

bool SortFlags::Click(FileColumn column) {
  bool& flag = flags_[static_cast<std::size_t>(column)];
  flag = !flag;
  return flag;
}

std::pair<std::string, std::string> ComparedTexts(FileColumn column, std::string_view a, std::string_view b) {
  std::string first(a), second(b);
  if (column == FileColumn::Size) {
    const std::size_t width = std::max(first.size(), second.size());
    first.insert(0, width - first.size(), ' ');
    second.insert(0, width - second.size(), ' ');
  }
  return {first, second};
}
