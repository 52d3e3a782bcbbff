#include "ui/command_table.h"

#include <stdexcept>

namespace {

template <typename Key>
void Add(std::map<Key, std::function<void()>>& handlers, Key key, std::function<void()> handler,
         const std::string& name) {
  if (!handlers.emplace(key, std::move(handler)).second) throw std::logic_error("bound twice: " + name);
}

template <typename Key>
bool RunOf(const std::map<Key, std::function<void()>>& handlers, Key key) {
  const auto found = handlers.find(key);
  if (found == handlers.end()) return false;
  found->second();
  return true;
}

}  // namespace

void CommandTable::Bind(const std::string& name, std::function<void()> handler) {
  const auto id = menu_.CommandId(name);
  if (!id) throw std::logic_error("no menu command " + name);
  Add(commands_, *id, std::move(handler), name);
}

void CommandTable::BindOpening(const std::string& submenu, std::function<void()> handler) {
  HMENU menu = menu_.Submenu(submenu);
  if (!menu) throw std::logic_error("no submenu " + submenu);
  Add(openings_, menu, std::move(handler), submenu);
}

bool CommandTable::Run(UINT commandId) const { return RunOf(commands_, commandId); }
bool CommandTable::RunOpening(HMENU submenu) const { return RunOf(openings_, submenu); }
