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
// ー is '[', that of ソ a backslash) is part of that character, never a bracket, a separator or a
// control character of its own.
struct NameContents {
  bool quoteOrBracket = false;
  bool control = false;
  bool colon = false;
  // Its folder levels, split at backslashes and slashes.
  std::vector<std::string_view> components;
};

NameContents ReadName(std::string_view name) {
  NameContents contents;
  std::size_t componentStart = 0;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (IsShiftJisLeadByte(byte)) {
      ++i;
    } else if (byte == '"' || byte == '[' || byte == ']') {
      contents.quoteOrBracket = true;
    } else if (IsControl(byte)) {
      contents.control = true;
    } else if (byte == ':') {
      contents.colon = true;
    } else if (byte == '\\' || byte == '/') {
      contents.components.push_back(name.substr(componentStart, i - componentStart));
      componentStart = i + 1;
    }
  }
  contents.components.push_back(name.substr(componentStart));
  return contents;
}

// A name Windows opens as a device, whatever folder it stands in: the part before the first
// '.', without the blanks Windows drops at its end, in any letter case.
bool IsDeviceName(std::string_view component) {
  std::string_view base = component.substr(0, component.find('.'));
  while (!base.empty() && base.back() == ' ') base.remove_suffix(1);
  const std::string upper = AsciiUpperCase(base);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (upper == device) return true;
  }
  return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) && upper[3] >= '1' &&
         upper[3] <= '9';
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
  // The group is a folder below the Start menu's programs: a drive, a stream after a colon, a
  // name from the root or a device would put it, or its shortcut, somewhere else.
  if (contents.colon) return Shown(group) + "グループ名に : は使えません・・・";
  if (!group.empty() && (group.front() == '\\' || group.front() == '/')) {
    return Shown(group) + "グループ名の先頭に \\ / は使えません・・・";
  }
  for (const std::string_view component : contents.components) {
    if (component == ".") return Shown(group) + "グループ名に . だけのフォルダー名は使えません・・・";
    if (IsDeviceName(component)) return Shown(group) + "グループ名に CON などの装置名は使えません・・・";
  }
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
