#include "output/file_history_list.h"

#include <algorithm>
#include <vector>

#include "common/decimal.h"
#include "common/list_file.h"

void FileHistoryList::MoveToTop(const std::string& name) {
  const auto same = std::find_if(names_.begin(), names_.end(), [&](const std::string& n) { return SameFileName(n, name); });
  if (same != names_.end()) names_.erase(same);
  names_.insert(names_.begin(), name);
}

std::size_t FileHistoryList::Append(const std::vector<std::string>& names) {
  const std::size_t first = names_.size();
  names_.insert(names_.end(), names.begin(), names.end());
  return first;
}

std::optional<std::size_t> FileHistoryList::Delete(const std::vector<std::size_t>& selected) {
  std::vector<bool> doomed(names_.size(), false);
  std::optional<std::size_t> lowest;
  for (const std::size_t index : selected) {
    if (index >= names_.size()) continue;
    doomed[index] = true;
    lowest = std::min(lowest.value_or(index), index);
  }
  std::vector<std::string> kept;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (!doomed[i]) kept.push_back(std::move(names_[i]));
  }
  names_ = std::move(kept);
  if (lowest && *lowest < names_.size()) return lowest;
  return std::nullopt;
}

std::string FileHistoryList::CountText() const { return ToDecimal(static_cast<long long>(names_.size())) + "ｺ"; }
