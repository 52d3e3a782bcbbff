#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the browser remembers during one showing.

// The last folder visited on each drive, one entry per drive letter (letter case ignored);
// the newest replaces the old one and moves to the end.
class DriveMemory {
 public:
  void Record(std::string_view folder);
  // The folder remembered for the drive letter, if any.
  std::optional<std::string> FolderOn(char drive) const;
  const std::vector<std::string>& Folders() const { return folders_; }

 private:
  std::vector<std::string> folders_;
};

// Every folder whose files were listed, in order; HF goes back through it.
class FolderHistory {
 public:
  void Append(std::string folder) { folders_.push_back(std::move(folder)); }
  void Clear() { folders_.clear(); }
  bool CanGoBack() const { return folders_.size() > 1; }
  // Drops the folder listed now and hands out (and drops) the one before it, which listing it
  // again appends anew; nothing while there is no earlier folder.
  std::optional<std::string> TakePrevious();
  const std::vector<std::string>& Folders() const { return folders_; }

 private:
  std::vector<std::string> folders_;
};

// The folder list's rows: the current folder's levels (the drive root first, with its
// separator) and then its subfolders. The path a click on row `index` stands for: the levels
// up to a level row, or all levels and the subfolder row.
std::string RowPath(const std::vector<std::string>& rows, std::size_t levelCount, std::size_t index);
