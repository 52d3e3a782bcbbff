#pragma once
// Thin wrappers of the system's child controls; each control belongs to its parent window.
#include <functional>
#include <string>
#include <vector>

#include "ui/child_control.h"

// A multi-select list box.
class ListBox : public ChildControl {
 public:
  bool Create(HWND parent, const Bounds& bounds);

  void Add(const std::string& item) const;
  // Replaces every item, nothing selected.
  void SetItems(const std::vector<std::string>& items) const;
  void SetItemHeight(int height) const;
  int Count() const;
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  void DeselectAll() const;
  void Select(int index) const;
  std::vector<int> SelectedIndices() const;
  // The item with the focus rectangle (the current item); -1 when the list is empty.
  int CaretIndex() const;
  void SetCaretIndex(int index) const;

  std::function<void()> onDoubleClick;

 protected:
  bool OnNotification(WORD code) override;
};

// A check box.
class CheckBox : public ChildControl {
 public:
  bool Create(HWND parent, const Bounds& bounds, const std::string& caption, HFONT font);
  bool Checked() const;
  void SetChecked(bool checked) const;

  std::function<void()> onClick;

 protected:
  bool OnNotification(WORD code) override;
};

// A drop-down list whose items the owner draws (picture lists); each item carries a number.
class OwnerDrawnComboBox : public ChildControl {
 public:
  bool Create(HWND parent, const Bounds& bounds, int itemHeight);

  void SetItemHeight(int height) const;
  int Add(LPARAM data) const;
  void Delete(int index) const;
  void Clear() const;
  int Count() const;
  LPARAM Data(int index) const;
  int Selected() const;  // -1 for none
  void Select(int index) const;
  void ShowList(bool shown) const;

  std::function<void()> onSelect;                          // the user chose an item
  std::function<void(const DRAWITEMSTRUCT&)> onDrawItem;  // an item (or the box) is to be drawn
  std::function<bool(WPARAM key)> onKeyDown;               // true when the key was used

 protected:
  bool OnNotification(WORD code) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  bool OnInput(const MSG& message) override;
};

// A one-line edit box.
class EditBox : public ChildControl {
 public:
  bool Create(HWND parent, const Bounds& bounds, HFONT font, bool readOnly);
  void SetText(const std::string& text) const { SetCaption(text); }
  std::string Text() const { return Caption(); }
  void SetReadOnly(bool readOnly) const;
};

// A one-line text.
class Label : public ChildControl {
 public:
  bool Create(HWND parent, const Bounds& bounds, const std::string& text, HFONT font = nullptr,
              DWORD alignment = SS_LEFT);
  void SetText(const std::string& text) const { SetCaption(text); }
  std::string Text() const { return Caption(); }

  std::function<void()> onRightDown;  // a right-button press on the text

 protected:
  bool OnInput(const MSG& message) override;
};
