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

TEST(ProgmanCommands, TitlesGoBetweenQuotesAndGroupNamesAsTheyAre) {
  EXPECT_EQ(CreateGroupCommand("QUILO SOFT32"), "[CreateGroup(QUILO SOFT32)]\r\n");
  EXPECT_EQ(ShowGroupCommand("StartUp"), "[ShowGroup(StartUp,1)]\r\n");
  EXPECT_EQ(AddItemCommand("C:\\Program Files\\PIKTO\\PIKTORAN.EXE", "ピクトラン"),
            "[AddItem(\"C:\\Program Files\\PIKTO\\PIKTORAN.EXE\",\"ピクトラン\")]\r\n");
  EXPECT_EQ(DeleteItemCommand("My Title"), "[DeleteItem(\"My Title\")]\r\n");
}

}  // namespace
