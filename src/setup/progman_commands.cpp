#include "setup/progman_commands.h"

std::vector<std::string> SplitGroupsReply(std::string_view reply) {
  std::vector<std::string> groups;
  std::string name;
  for (const char c : reply) {
    if (static_cast<unsigned char>(c) >= 20) {
      name += c;
    } else if (!name.empty()) {
      groups.push_back(std::move(name));
      name.clear();
    }
  }
  if (!name.empty()) groups.push_back(std::move(name));
  return groups;
}

std::string QuotedTitle(const std::string& title) { return "\"" + title + "\""; }

std::string CreateGroupCommand(const std::string& group) { return "[CreateGroup(" + group + ")]\r\n"; }

std::string ShowGroupCommand(const std::string& group) { return "[ShowGroup(" + group + ",1)]\r\n"; }

std::string AddItemCommand(const std::string& programPath, const std::string& title) {
  return "[AddItem(\"" + programPath + "\"," + QuotedTitle(title) + ")]\r\n";
}

std::string DeleteItemCommand(const std::string& title) { return "[DeleteItem(" + QuotedTitle(title) + ")]\r\n"; }
