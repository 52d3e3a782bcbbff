#pragma once
#include <optional>
#include <string>
#include <vector>

// Program Manager over DDE (service and topic "PROGMAN"): each operation opens a conversation,
// uses it and closes it again.

inline constexpr const char* ProgmanOpenFailedText = "DDE:オープンに失敗しました・・・";
inline constexpr const char* ProgmanSendFailedText = "DDE:送信に失敗しました・・・";

// The group names Program Manager lists ("GROUPS"); nothing when no conversation could be
// opened.
std::optional<std::vector<std::string>> ListProgramGroups();

// One command (progman_commands.h); empty when Program Manager accepted it, else one of the
// two error texts above.
std::string SendProgmanCommand(const std::string& command);
