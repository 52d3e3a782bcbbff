#include "browser/browse_history.h"

#include <algorithm>

#include "common/shift_jis.h"

namespace {
char UpperDrive(char letter) { return AsciiUpperCase(std::string_view(&letter, 1)).front(); }
}  // namespace

void DriveMemory::Record(std::string_view folder) {
  if (folder.empty()) return;
  const char drive = UpperDrive(folder.front());
  std::erase_if(folders_, [drive](const std::string& f) { return UpperDrive(f.front()) == drive; });
  folders_.emplace_back(folder);
}

std::optional<std::string> DriveMemory::FolderOn(char drive) const {
  const char wanted = UpperDrive(drive);
  const auto found =
      std::find_if(folders_.begin(), folders_.end(), [wanted](const std::string& f) { return UpperDrive(f.front()) == wanted; });
  if (found == folders_.end()) return std::nullopt;
  return *found;
}

std::optional<std::string> FolderHistory::TakePrevious() {
  if (!CanGoBack()) return std::nullopt;
  folders_.pop_back();
  std::string previous = std::move(folders_.back());
  folders_.pop_back();
  return previous;
}

std::string RowPath(const std::vector<std::string>& rows, std::size_t levelCount, std::size_t index) {
  if (index >= rows.size()) return std::string();
  std::vector<std::size_t> joined;
  for (std::size_t i = 0; i < std::min(index + 1, levelCount); ++i) joined.push_back(i);
  if (index >= levelCount) joined.push_back(index);
  // The drive root keeps its own separator; every later row gets one.
  std::string path = rows[joined.front()];
  for (std::size_t k = 1; k < joined.size(); ++k) path += rows[joined[k]] + "\\";
  return path;
}
