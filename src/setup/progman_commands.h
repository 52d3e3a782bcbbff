#pragma once
#include <string>
#include <string_view>
#include <vector>

// The texts of the conversation with Program Manager (service and topic "PROGMAN").

// The group names of a "GROUPS" reply in reply order: every byte of 20 or more belongs to a
// name, every byte below ends it; empty names are dropped.
std::vector<std::string> SplitGroupsReply(std::string_view reply);

// The program title between double quotes: one item name even with blanks in it.
std::string QuotedTitle(const std::string& title);

// The commands, each ended by CR LF; group names go unquoted.
std::string CreateGroupCommand(const std::string& group);
std::string ShowGroupCommand(const std::string& group);
std::string AddItemCommand(const std::string& programPath, const std::string& title);
std::string DeleteItemCommand(const std::string& title);
