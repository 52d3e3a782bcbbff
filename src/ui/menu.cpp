#include "ui/menu.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr UINT FirstCommandId = 1000;
}

MenuTree::MenuTree(std::span<const MenuEntrySpec> table, bool popup)
    : root_(popup ? CreatePopupMenu() : CreateMenu()) {
  // The open menu at each depth and the number of items it holds so far.
  std::vector<std::pair<HMENU, UINT>> open{{root_.Get(), 0}};
  UINT nextId = FirstCommandId;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MenuEntrySpec& spec = table[i];
    const auto depth = static_cast<std::size_t>(spec.depth);
    if (depth >= open.size()) throw std::logic_error("menu table skips a level");
    open.resize(depth + 1);
    auto& [parent, count] = open[depth];
    if (!spec.name) {
      AppendMenuA(parent, MF_SEPARATOR, 0, nullptr);
      ++count;
      continue;
    }
    const bool opensSubmenu = i + 1 < table.size() && table[i + 1].depth > spec.depth;
    Entry entry{spec.name, parent, count, 0, nullptr};
    if (opensSubmenu) {
      entry.submenu = CreatePopupMenu();
      AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(entry.submenu), spec.caption);
    } else {
      entry.id = nextId++;
      AppendMenuA(parent, MF_STRING, entry.id, spec.caption);
    }
    ++count;
    if (opensSubmenu) open.push_back({entry.submenu, 0});
    entries_.push_back(std::move(entry));
  }
}

HMENU MenuTree::AttachTo(HWND window) {
  owner_ = window;
  SetMenu(window, root_.Get());
  return root_.Release();
}

std::optional<std::string> MenuTree::NameOfCommand(UINT id) const {
  for (const Entry& e : entries_) {
    if (e.id == id && e.id != 0) return e.name;
  }
  return std::nullopt;
}

std::optional<std::string> MenuTree::NameOfSubmenu(HMENU submenu) const {
  for (const Entry& e : entries_) {
    if (e.submenu == submenu && submenu) return e.name;
  }
  return std::nullopt;
}

const MenuTree::Entry& MenuTree::Find(const std::string& name) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
  if (found == entries_.end()) throw std::logic_error("no menu entry " + name);
  return *found;
}

void MenuTree::SetEnabled(const std::string& name, bool enabled) const {
  const Entry& e = Find(name);
  EnableMenuItem(e.parent, e.position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  if (owner_ && GetMenu(owner_) == e.parent) DrawMenuBar(owner_);
}

bool MenuTree::Enabled(const std::string& name) const {
  const Entry& e = Find(name);
  return (GetMenuState(e.parent, e.position, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED)) == 0;
}

void MenuTree::SetChecked(const std::string& name, bool checked) const {
  const Entry& e = Find(name);
  CheckMenuItem(e.parent, e.position, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuTree::Checked(const std::string& name) const {
  const Entry& e = Find(name);
  return (GetMenuState(e.parent, e.position, MF_BYPOSITION) & MF_CHECKED) != 0;
}

void MenuTree::SetCaption(const std::string& name, const std::string& caption) const {
  const Entry& e = Find(name);
  MENUITEMINFOA info{sizeof info};
  info.fMask = MIIM_STRING;
  info.dwTypeData = const_cast<char*>(caption.c_str());
  SetMenuItemInfoA(e.parent, e.position, TRUE, &info);
  if (owner_ && GetMenu(owner_) == e.parent) DrawMenuBar(owner_);
}

std::string MenuTree::Caption(const std::string& name) const {
  const Entry& e = Find(name);
  char buffer[256] = {};
  GetMenuStringA(e.parent, e.position, buffer, sizeof buffer, MF_BYPOSITION);
  return buffer;
}
