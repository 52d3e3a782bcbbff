#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/child_control.h"

// A fixed drop-down list of texts (the user picks, never types).
class ComboBox : public ChildControl {
 public:
  // `height` includes the dropped list.
  bool Create(HWND parent, const Bounds& bounds, HFONT font = nullptr);

  // Replaces every item, nothing selected.
  void SetItems(const std::vector<std::string>& items) const;
  std::vector<std::string> Items() const;
  std::string Item(int index) const;
  int Count() const;
  int Selected() const;  // -1 for none
  void Select(int index) const;
  void ShowList(bool shown) const;
  bool ListShown() const;

  std::function<void()> onSelect;  // the user chose an item

 protected:
  bool OnNotification(WORD code) override;
};
