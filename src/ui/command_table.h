#pragma once
#include <functional>
#include <map>
#include <string>

#include "ui/menu.h"

// Where command ids meet handler names: each feature binds its handlers to the component names
// of a menu's entries. A name the menu does not hold is refused when it is bound (a bug found
// at start-up, not a command that silently does nothing).
class CommandTable {
 public:
  explicit CommandTable(const MenuTree& menu) : menu_(menu) {}
  CommandTable(const CommandTable&) = delete;
  CommandTable& operator=(const CommandTable&) = delete;

  // The handler of a command entry (WM_COMMAND). Throws std::logic_error for an unknown or
  // already bound name.
  void Bind(const std::string& name, std::function<void()> handler);
  // The opening handler of a submenu (WM_INITMENUPOPUP); the same rules.
  void BindOpening(const std::string& submenu, std::function<void()> handler);

  // Runs the handler bound to the id or submenu; false when there is none.
  bool Run(UINT commandId) const;
  bool RunOpening(HMENU submenu) const;

 private:
  const MenuTree& menu_;
  std::map<UINT, std::function<void()>> commands_;
  std::map<HMENU, std::function<void()>> openings_;
};
