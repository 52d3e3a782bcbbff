#include "setup/progman_commands.h"

#include "common/shift_jis.h"

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

namespace {

bool IsControl(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

// What a group name holds, read as Shift-JIS: the second byte of a two-byte character (that of
// ー is '[') is part of that character, never a bracket or a control character of its own.
struct NameContents {
  bool quoteOrBracket = false;
  bool control = false;
};

NameContents ReadName(std::string_view name) {
  NameContents contents;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (IsShiftJisLeadByte(byte)) {
      ++i;
    } else if (byte == '"' || byte == '[' || byte == ']') {
      contents.quoteOrBracket = true;
    } else if (IsControl(byte)) {
      contents.control = true;
    }
  }
  return contents;
}

// The name as the message shows it: a control character would break or hide the line.
std::string Shown(std::string_view name) {
  std::string shown(name);
  for (char& c : shown) {
    if (IsControl(static_cast<unsigned char>(c))) c = '?';
  }
  return "[ " + shown + " ]\n";
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace

std::string GroupNameError(std::string_view group) {
  const NameContents contents = ReadName(group);
  if (contents.quoteOrBracket) return Shown(group) + "グループ名に \" [ ] の文字は使えません・・・";
  if (contents.control) return Shown(group) + "グループ名に制御文字は使えません・・・";
  if (!group.empty() && (group.front() == ' ' || group.back() == ' ')) {
    return Shown(group) + "グループ名の先頭と末尾に空白は使えません・・・";
  }
  if (group.find("..") != std::string_view::npos) return Shown(group) + "グループ名に .. は使えません・・・";
  return {};
}

std::string StartUpGroupFault(const std::string& startUpGroup) {
  return startUpGroup.empty() ? "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません"
                              : GroupNameError(startUpGroup);
}

std::string GroupCommandFailedText(const std::string& group, const std::string& error, const char* failure) {
  return "[ " + group + " ]\n" + error + "\n" + failure;
}

std::string QuotedTitle(const std::string& title) { return Quoted(title); }

std::string CreateGroupCommand(const std::string& group) { return "[CreateGroup(" + Quoted(group) + ")]\r\n"; }

std::string ShowGroupCommand(const std::string& group) { return "[ShowGroup(" + Quoted(group) + ",1)]\r\n"; }

std::string AddItemCommand(const std::string& programPath, const std::string& title) {
  return "[AddItem(" + Quoted(programPath) + "," + QuotedTitle(title) + ")]\r\n";
}

std::string DeleteItemCommand(const std::string& title) { return "[DeleteItem(" + QuotedTitle(title) + ")]\r\n"; }
