#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The file history's entries, top first: the files loaded from the menu, dropped, handed over or
// named on the command line, each as it was given. No limit on their number.
class FileHistoryList {
 public:
  FileHistoryList() = default;
  explicit FileHistoryList(std::vector<std::string> names) : names_(std::move(names)) {}

  const std::vector<std::string>& Names() const { return names_; }
  std::size_t Count() const { return names_.size(); }

  // After a load from the menu: the first entry equal but for letter case goes, and `name`
  // becomes the top entry.
  void MoveToTop(const std::string& name);
  // Dropped, handed-over and command-line files go to the end as they are, duplicates too;
  // gives the index of the first of them.
  std::size_t Append(const std::vector<std::string>& names);
  // Deletes the entries at `selected` (any order, out-of-range ones ignored); gives the entry to
  // select afterwards: the lowest deleted index while it is still within the shortened list.
  std::optional<std::size_t> Delete(const std::vector<std::size_t>& selected);
  void Clear() { names_.clear(); }

  // Label_FHIS_KOSU: the count followed by "ｺ".
  std::string CountText() const;

 private:
  std::vector<std::string> names_;
};
