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

// Why a group name cannot go to Program Manager, as the message shows it; empty when it can.
// Its parser ends a quoted name at the next '"' and runs every bracketed command of a request,
// and it keeps a group as a folder under the Start menu's programs (so does the program itself
// where no Program Manager answers), so a name holding '"', '[' or ']', a control character, a
// blank at either end, "..", a colon (a drive or a stream), a leading backslash or slash, a
// folder level "." or a device name (CON, NUL, COM1, … also with an extension) could change the
// command or reach another folder or a device. An empty name is the caller's to handle.
std::string GroupNameError(std::string_view group);

// Why the start-up group (its name from the registry) cannot be used: unknown or unusable;
// empty when it can.
std::string StartUpGroupFault(const std::string& startUpGroup);

// A group command that Program Manager refused: the group, its error text and what failed.
std::string GroupCommandFailedText(const std::string& group, const std::string& error, const char* failure);

// The commands, each ended by CR LF, every argument between double quotes. A group name must be
// one GroupNameError accepts.
std::string CreateGroupCommand(const std::string& group);
std::string ShowGroupCommand(const std::string& group);
std::string AddItemCommand(const std::string& programPath, const std::string& title);
std::string DeleteItemCommand(const std::string& title);
