#pragma once
#include <optional>
#include <string>
#include <vector>

// The program's item in a group of the Start menu. Program Manager makes and removes it where it
// answers; where none does (another shell, an Explorer restarting, a locked-down system), the
// program makes the group's folder under the user's Programs folder and its shortcut there
// itself, and removes them again. Group names are ones GroupNameError accepts, so the folder
// stays inside the Programs folder.

// The groups to choose from: Program Manager's list, else the folders in the user's Programs
// folder; nothing when neither can be read.
std::optional<std::vector<std::string>> ProgramGroupNames();

// How Program Manager opens the group before the item command: made when missing, or only
// shown.
enum class GroupOpening { Create, Show };

// Each returns an empty text on success, else what failed: Program Manager's error text, or one
// of the two below for the program's own shortcut.
inline constexpr const char* ShortcutCreateFailedText = "ショートカット:作成に失敗しました・・・";
inline constexpr const char* ShortcutDeleteFailedText = "ショートカット:削除に失敗しました・・・";

// The program's item in the group, opened by CreateGroup.
std::string AddGroupItem(const std::string& group, const std::string& program);
// The program's item out of the group; the folder the program made for it goes once empty, the
// start-up folder never.
std::string DeleteGroupItem(const std::string& group, GroupOpening opening);
