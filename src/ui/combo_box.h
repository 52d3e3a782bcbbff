#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/child_control.h"

// A drop-down list of texts: fixed (the user picks, never types), or editable (a text may be typed
// as well).
class ComboBox : public ChildControl {
 public:
  // `height` includes the dropped list.
  bool Create(HWND parent, const Bounds& bounds, HFONT font = nullptr, bool editable = false);
  // The text shown: the chosen item, or what was typed into an editable box.
  std::string Text() const { return Caption(); }

  // Replaces every item, nothing selected.
  void SetItems(const std::vector<std::string>& items) const;
  std::vector<std::string> Items() const;
  std::string Item(int index) const;
  int Count() const;
  int Selected() const;  // -1 for none
  void Select(int index) const;
  void ShowList(bool shown) const;

  std::function<void()> onSelect;  // the user chose an item

 protected:
  bool OnNotification(WORD code) override;
};
