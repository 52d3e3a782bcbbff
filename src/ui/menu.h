#pragma once
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ui/handles.h"

// One entry of a menu table: its depth (0 = menu bar), component name and caption.
// A separator has no name and the caption "-". Hidden entries exist (by name) but are not
// shown until made visible.
struct MenuEntrySpec {
  int depth;
  const char* name;
  const char* caption;
  bool hidden = false;
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

  // The command id of a command entry; nullopt for an unknown name, a separator or a submenu.
  std::optional<UINT> CommandId(const std::string& name) const;
  // The submenu an entry opens; null for an unknown name or a command.
  HMENU Submenu(const std::string& name) const;

  // Each name must be an entry of the table: an unknown one throws std::logic_error before any
  // entry has changed, so a group is never left half switched.
  void SetEnabled(const std::string& name, bool enabled);
  void SetEnabled(std::span<const char* const> names, bool enabled);
  bool Enabled(const std::string& name) const;
  void SetChecked(const std::string& name, bool checked);
  bool Checked(const std::string& name) const;
  void SetCaption(const std::string& name, const std::string& caption);
  std::string Caption(const std::string& name) const;
  void SetVisible(const std::string& name, bool visible);
  bool Visible(const std::string& name) const;

 private:
  struct Entry {
    std::string name;     // empty for separators
    HMENU parent;
    int ordinal;          // place among its siblings in the table
    UINT id;              // 0 for separators and submenu openers
    HMENU submenu;        // null for commands
    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
  };
  const Entry* Lookup(const std::string& name) const;
  Entry& Find(const std::string& name);
  const Entry& Find(const std::string& name) const;
  // Position in the system menu: the visible siblings before it.
  UINT Position(const Entry& entry) const;
  void Insert(const Entry& entry);
  void Redraw(const Entry& entry) const;

  MenuHandle root_;
  HWND owner_ = nullptr;
  std::vector<Entry> entries_;
};
