#pragma once
// Thin wrappers of the system's child controls; each control belongs to its parent window.
#include <string>
#include <vector>

#include "common/geometry.h"
#include "ui/win32.h"

// A multi-select list box child control; the parent window owns and destroys it.
class ListBox {
 public:
  bool Create(HWND parent, const Bounds& bounds);
  HWND Handle() const { return window_; }

  void Add(const std::string& item) const;
  int Count() const;
  std::string Item(int index) const;
  std::vector<std::string> Items() const;
  void DeselectAll() const;
  void Select(int index) const;
  void SetBounds(const Bounds& bounds) const;

 private:
  HWND window_ = nullptr;
};

// A check box child control.
class CheckBox {
 public:
  bool Create(HWND parent, const Bounds& bounds, const std::string& caption, HFONT font);
  HWND Handle() const { return window_; }
  bool Checked() const;
  void SetChecked(bool checked) const;

 private:
  HWND window_ = nullptr;
};

// A drop-down list whose items the owner draws (picture lists).
class OwnerDrawnComboBox {
 public:
  bool Create(HWND parent, const Bounds& bounds, int itemHeight);
  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// A one-line edit box.
class EditBox {
 public:
  bool Create(HWND parent, const Bounds& bounds, HFONT font, bool readOnly);
  HWND Handle() const { return window_; }
  void SetText(const std::string& text) const;
  std::string Text() const;
  void SetReadOnly(bool readOnly) const;

 private:
  HWND window_ = nullptr;
};

// A one-line text child control; the parent window owns and destroys it.
class Label {
 public:
  bool Create(HWND parent, const Bounds& bounds, const std::string& text, DWORD alignment = SS_LEFT);
  HWND Handle() const { return window_; }
  void SetText(const std::string& text) const;
  std::string Text() const;

 private:
  HWND window_ = nullptr;
};
