#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"

// One entry of a menu table: its depth (0 = menu bar), component name and caption.
// A separator has no name and the caption "-".
struct MenuEntrySpec {
  int depth;
  const char* name;
  const char* caption;
};

// A menu built from a table; entries are reached by their component names, commands come
// back as names, so a window has one place where command ids meet handler names.
class MenuTree {
 public:
  // `popup` builds a pop-up menu instead of a menu bar.
  explicit MenuTree(std::span<const MenuEntrySpec> table, bool popup = false);

  HMENU Root() const { return root_.Get(); }
  // Hands the bar to a window, which destroys it with itself.
  HMENU AttachTo(HWND window);

  // Name of the entry with this command id (WM_COMMAND), or of the submenu (WM_INITMENUPOPUP).
  std::optional<std::string> NameOfCommand(UINT id) const;
  std::optional<std::string> NameOfSubmenu(HMENU submenu) const;

  void SetEnabled(const std::string& name, bool enabled) const;
  bool Enabled(const std::string& name) const;
  void SetChecked(const std::string& name, bool checked) const;
  bool Checked(const std::string& name) const;
  void SetCaption(const std::string& name, const std::string& caption) const;
  std::string Caption(const std::string& name) const;

 private:
  struct Entry {
    std::string name;
    HMENU parent;
    UINT position;
    UINT id;          // 0 for submenu openers
    HMENU submenu;    // null for commands
  };
  const Entry& Find(const std::string& name) const;

  MenuHandle root_;
  HWND owner_ = nullptr;
  std::vector<Entry> entries_;
};
