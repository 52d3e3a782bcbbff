#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// The file list's columns and the sort state of their headers.
enum class FileColumn : std::size_t { Name, Size, Type, Date, Attributes };
inline constexpr std::size_t FileColumnCount = 5;

// One flag per column; a click inverts it and the new value says descending. After a fill the
// list is sorted by name ascending, so the name's flag is clear and every other is set: the
// first click on the name sorts descending, on any other column ascending.
class SortFlags {
 public:
  SortFlags() { Reset(); }
  void Reset();
  // Inverts the column's flag; true when the column is now to be sorted descending.
  bool Click(FileColumn column);

 private:
  std::array<bool, FileColumnCount> flags_{};
};

// The two texts a column compares: size texts get leading blanks up to the longer one's
// length, so that the comparison follows the number.
std::pair<std::string, std::string> ComparedTexts(FileColumn column, std::string_view a, std::string_view b);

// A comparison's result in the wanted direction.
inline int Directed(int comparison, bool descending) { return descending ? -comparison : comparison; }
