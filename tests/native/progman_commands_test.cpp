#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "setup/progman_commands.h"

namespace {

using Groups = std::vector<std::string>;

TEST(ProgmanCommands, TheGroupsReplySplitsAtControlCharacters) {
  struct Case {
    std::string reply;
    Groups groups;
  };
  const Case cases[] = {
      {"Accessories\r\nStartUp\r\n", {"Accessories", "StartUp"}},
      {"Accessories\r\nQUILO SOFT32", {"Accessories", "QUILO SOFT32"}},  // no line break at the end
      {"\r\n\r\nGames\r\n\r\n\tTools\x13", {"Games", "Tools"}},           // empty lines give nothing
      {std::string("\x83\x81\x83\x43\x83\x93\r\nA\r\n\0", 13), {"\x83\x81\x83\x43\x83\x93", "A"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitGroupsReply(c.reply), c.groups) << c.reply;
}

TEST(ProgmanCommands, EveryArgumentGoesBetweenQuotes) {
  struct Case {
    std::string command;
    std::string sent;
  };
  const Case cases[] = {
      {CreateGroupCommand("QUILO SOFT32"), "[CreateGroup(\"QUILO SOFT32\")]\r\n"},
      // Unquoted, the parentheses would end the name and the command would be refused.
      {CreateGroupCommand("Tools (64-bit)"), "[CreateGroup(\"Tools (64-bit)\")]\r\n"},
      {ShowGroupCommand("StartUp"), "[ShowGroup(\"StartUp\",1)]\r\n"},
      {ShowGroupCommand("x,1"), "[ShowGroup(\"x,1\",1)]\r\n"},
      {AddItemCommand("C:\\Program Files\\PIKTO\\PIKTORAN.EXE", "ピクトラン"),
       "[AddItem(\"C:\\Program Files\\PIKTO\\PIKTORAN.EXE\",\"ピクトラン\")]\r\n"},
      {DeleteItemCommand("My Title"), "[DeleteItem(\"My Title\")]\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.command, c.sent);
}

TEST(ProgmanCommands, GroupNamesThatQuotesCannotCarryAreRefused) {
  const std::string quoteOrBracket = "グループ名に \" [ ] の文字は使えません・・・";
  struct Case {
    std::string name;
    std::string error;  // empty: the name may be sent
  };
  const Case cases[] = {
      {"Tools (64-bit)", ""},
      {"QUILO SOFT32", ""},
      {"a,b; c's {d}", ""},
      {"Accessories\\System Tools", ""},
      {"Version 1.7", ""},
      // The second byte of ー (81 5B) and of ソ (83 5C) is no bracket and no separator.
      {"ツール・ソフト", ""},
      {"スーパー", ""},
      {"x,1)][DeleteGroup(Other", "[ x,1)][DeleteGroup(Other ]\n" + quoteOrBracket},
      {"Tools\"", "[ Tools\" ]\n" + quoteOrBracket},
      {"[Games", "[ [Games ]\n" + quoteOrBracket},
      {"Games]", "[ Games] ]\n" + quoteOrBracket},
      {"a\r\nb", "[ a??b ]\nグループ名に制御文字は使えません・・・"},
      {"tab\there", "[ tab?here ]\nグループ名に制御文字は使えません・・・"},
      {" Games", "[  Games ]\nグループ名の先頭と末尾に空白は使えません・・・"},
      {"Games ", "[ Games  ]\nグループ名の先頭と末尾に空白は使えません・・・"},
      {"..", "[ .. ]\nグループ名に .. は使えません・・・"},
      {"..\\Startup", "[ ..\\Startup ]\nグループ名に .. は使えません・・・"},
      {"Tools\\..\\..", "[ Tools\\..\\.. ]\nグループ名に .. は使えません・・・"},
  };
  for (const Case& c : cases) EXPECT_EQ(GroupNameError(c.name), c.error) << c.name;
  // The start-up group's name from the registry passes the same check, and must be known.
  EXPECT_EQ(StartUpGroupFault("StartUp"), "");
  EXPECT_EQ(StartUpGroupFault("Start[Up"), "[ Start[Up ]\n" + quoteOrBracket);
  EXPECT_EQ(StartUpGroupFault(""), "ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
}

// The group is a folder below the Start menu's programs, which the program makes itself where no
// Program Manager answers: no name may lead out of it or to a device.
TEST(ProgmanCommands, GroupNamesThatLeaveTheProgramsFolderAreRefused) {
  const std::string colon = "グループ名に : は使えません・・・";
  const std::string leading = "グループ名の先頭に \\ / は使えません・・・";
  const std::string dot = "グループ名に . だけのフォルダー名は使えません・・・";
  const std::string device = "グループ名に CON などの装置名は使えません・・・";
  struct Case {
    std::string name;
    std::string error;  // empty: the name may be used
  };
  const Case cases[] = {
      {"C:\\Windows", colon},
      {"C:", colon},
      {"x:y", colon},  // a stream of the file x
      {"Tools:$DATA", colon},
      {"\\\\server\\share\\x", leading},
      {"\\Windows", leading},
      {"/Windows", leading},
      {".", dot},
      {"Tools\\.", dot},
      {"./Tools", dot},
      {"CON", device},
      {"con", device},
      {"Nul", device},
      {"PRN.txt", device},
      {"aux.tar.gz", device},
      {"COM1", device},
      {"com9.log", device},
      {"LPT1", device},
      {"lpt9", device},
      {"CONIN$", device},
      {"conout$", device},
      {"CON .txt", device},  // Windows drops the blank before the extension
      {"Tools\\CON", device},
      {"NUL\\Tools", device},
      {"Tools/lpt3.doc", device},
      // Near misses are ordinary names.
      {"CONSOLE", ""},
      {"COM10", ""},
      {"COM0", ""},
      {"LPT", ""},
      {"xCON", ""},
      {"Tools.CON", ""},
      {".hidden", ""},
      {"Tools\\System", ""},
      {"Tools (64-bit)", ""},
      // The second byte of ソ (83 5C) is no separator, so "ソ" does not start a level of its own.
      {"\x83\x5C" "CON", ""},
      {"\x83\x5C.", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GroupNameError(c.name), c.error.empty() ? "" : "[ " + c.name + " ]\n" + c.error) << c.name;
  }
  // The stored start-up group and group pass the same check.
  EXPECT_EQ(StartUpGroupFault("C:\\Users"), "[ C:\\Users ]\n" + colon);
}

}  // namespace
