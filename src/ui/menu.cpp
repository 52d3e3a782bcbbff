#include "ui/menu.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr UINT FirstCommandId = 1000;
}

MenuTree::MenuTree(std::span<const MenuEntrySpec> table, bool popup)
    : root_(popup ? CreatePopupMenu() : CreateMenu()) {
  // The open menu at each depth and the number of entries it holds so far.
  std::vector<std::pair<HMENU, int>> open{{root_.Get(), 0}};
  UINT nextId = FirstCommandId;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MenuEntrySpec& spec = table[i];
    const auto depth = static_cast<std::size_t>(spec.depth);
    if (depth >= open.size()) throw std::logic_error("menu table skips a level");
    open.resize(depth + 1);
    auto& [parent, count] = open[depth];
    Entry entry{spec.name ? spec.name : "", parent, count++, 0, nullptr, spec.caption, !spec.hidden};
    const bool opensSubmenu = spec.name && i + 1 < table.size() && table[i + 1].depth > spec.depth;
    if (opensSubmenu) {
      entry.submenu = CreatePopupMenu();
      open.push_back({entry.submenu, 0});
    } else if (spec.name) {
      entry.id = nextId++;
    }
    entries_.push_back(std::move(entry));
    if (entries_.back().visible) Insert(entries_.back());
  }
}

void MenuTree::Insert(const Entry& e) {
  UINT flags = MF_BYPOSITION;
  UINT_PTR item = e.id;
  if (e.name.empty()) {
    flags |= MF_SEPARATOR;
  } else {
    flags |= MF_STRING | (e.enabled ? MF_ENABLED : MF_GRAYED) | (e.checked ? MF_CHECKED : MF_UNCHECKED);
    if (e.submenu) {
      flags |= MF_POPUP;
      item = reinterpret_cast<UINT_PTR>(e.submenu);
    }
  }
  InsertMenuA(e.parent, Position(e), flags, item, e.name.empty() ? nullptr : e.caption.c_str());
}

UINT MenuTree::Position(const Entry& entry) const {
  return static_cast<UINT>(std::count_if(entries_.begin(), entries_.end(), [&](const Entry& e) {
    return e.parent == entry.parent && e.ordinal < entry.ordinal && e.visible;
  }));
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

MenuTree::Entry& MenuTree::Find(const std::string& name) {
  return const_cast<Entry&>(std::as_const(*this).Find(name));
}

const MenuTree::Entry* MenuTree::Lookup(const std::string& name) const {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.name == name; });
  return name.empty() || found == entries_.end() ? nullptr : &*found;
}

const MenuTree::Entry& MenuTree::Find(const std::string& name) const {
  const Entry* entry = Lookup(name);
  if (!entry) throw std::logic_error("no menu entry " + name);
  return *entry;
}

std::optional<UINT> MenuTree::CommandId(const std::string& name) const {
  const Entry* entry = Lookup(name);
  return entry && entry->id != 0 ? std::optional<UINT>(entry->id) : std::nullopt;
}

HMENU MenuTree::Submenu(const std::string& name) const {
  const Entry* entry = Lookup(name);
  return entry ? entry->submenu : nullptr;
}

void MenuTree::SetEnabled(std::span<const char* const> names, bool enabled) {
  for (const char* name : names) Find(name);
  for (const char* name : names) SetEnabled(name, enabled);
}

void MenuTree::Redraw(const Entry& e) const {
  if (owner_ && GetMenu(owner_) == e.parent) DrawMenuBar(owner_);
}

void MenuTree::SetEnabled(const std::string& name, bool enabled) {
  Entry& e = Find(name);
  e.enabled = enabled;
  if (!e.visible) return;
  EnableMenuItem(e.parent, Position(e), MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
  Redraw(e);
}

bool MenuTree::Enabled(const std::string& name) const { return Find(name).enabled; }

void MenuTree::SetChecked(const std::string& name, bool checked) {
  Entry& e = Find(name);
  e.checked = checked;
  if (e.visible) CheckMenuItem(e.parent, Position(e), MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool MenuTree::Checked(const std::string& name) const { return Find(name).checked; }

void MenuTree::SetCaption(const std::string& name, const std::string& caption) {
  Entry& e = Find(name);
  e.caption = caption;
  if (!e.visible) return;
  MENUITEMINFOA info{sizeof info};
  info.fMask = MIIM_STRING;
  info.dwTypeData = e.caption.data();
  SetMenuItemInfoA(e.parent, Position(e), TRUE, &info);
  Redraw(e);
}

std::string MenuTree::Caption(const std::string& name) const { return Find(name).caption; }

void MenuTree::SetVisible(const std::string& name, bool visible) {
  Entry& e = Find(name);
  if (e.visible == visible) return;
  if (visible) {
    e.visible = true;
    Insert(e);
  } else {
    RemoveMenu(e.parent, Position(e), MF_BYPOSITION);  // keeps a submenu for showing again
    e.visible = false;
  }
  Redraw(e);
}

bool MenuTree::Visible(const std::string& name) const { return Find(name).visible; }
