#pragma once
#include <string>
#include <string_view>

// Texts the browser builds.

// The new-folder prompt: the folder with a trailing separator, "..." and its last 36
// characters when longer than 38, then five blanks.
std::string NewFolderPrompt(std::string_view folder);

// Header and column captions with counts: "7ｺ　フォルダー"; "---ｺ　フォルダー" while filling.
std::string CountCaption(int count, std::string_view what);
std::string WorkingCaption(std::string_view what);
inline constexpr const char* FolderCaption = "フォルダー";
inline constexpr const char* TreeCaption = "ツリーフォルダー";
inline constexpr const char* FileCaption = "ファイル名";
