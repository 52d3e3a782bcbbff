#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The cursor history PIKTO_I0.LST: one file name a line, newest first, in the system code page.

// The names of the list file (ParseListFile); names equal but for letter case count once; the
// first MaxItems are kept.
std::vector<std::string> ParseCursorHistory(std::string_view text);

// ComboBox_Icon_File's items, newest first, no two equal when letter case is ignored, each with
// the thumbnail slot (0 to SlotCount - 1) holding its 16 x 16 picture, or NoSlot. A slot no item
// holds is free.
class CursorHistory {
 public:
  static constexpr std::size_t MaxItems = 20;
  static constexpr int SlotCount = 21;
  static constexpr int NoSlot = -1;

  struct Item {
    std::string name;
    int thumbnail = NoSlot;
    friend bool operator==(const Item&, const Item&) = default;
  };

  CursorHistory() = default;
  // The names of the list file, without thumbnails.
  explicit CursorHistory(const std::vector<std::string>& names);

  const std::vector<Item>& Items() const { return items_; }
  bool SlotUsed(int slot) const;
  // The lowest free slot; there is always one while items hold at most one slot each.
  int FirstFreeSlot() const;

  // AddToCursorHistory: an item equal to `name` but for letter case goes, `name` with `slot`
  // becomes item 0, and the item beyond MaxItems goes. Gives the slots that became free.
  std::vector<int> Add(std::string name, int slot);
  // A chosen item becomes item 0 with a new thumbnail; gives its old slot (or NoSlot).
  int MoveToTop(std::size_t index, int slot);

  struct Removal {
    int freedSlot = NoSlot;
    int selection = -1;  // the same position, or the last item; -1 when the list is empty
  };
  // The Delete key on an item.
  Removal Remove(std::size_t index);

  // A thumbnail for an item that has none (start-up); false when the slot is taken or invalid.
  bool SetThumbnail(std::size_t index, int slot);

 private:
  // `slot` when it is a free slot, NoSlot otherwise: two items never share a picture.
  int Claim(int slot) const;

  std::vector<Item> items_;
};
