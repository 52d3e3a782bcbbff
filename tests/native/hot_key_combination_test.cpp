#include <gtest/gtest.h>

#include <set>
#include <string>

#include "workspace/hot_key_combination.h"

namespace {

TEST(HotKeyCombination, TextNamesTheModifiersInOrderThenTheKey) {
  EXPECT_EQ(HotKeyText(DefaultHotKey), "Ctrl+Shift+F12");
  EXPECT_EQ(HotKeyText({HotKeyModifier::All, 0x22}), "Ctrl+Shift+Alt+Win+PageDown");
  EXPECT_EQ(HotKeyText({HotKeyModifier::Win | HotKeyModifier::Alt, 'Q'}), "Alt+Win+Q");
  EXPECT_EQ(HotKeyText({0, 0x2C}), "PrintScreen");
}

TEST(HotKeyCombination, EveryListedKeyIsStoredAndReadBack) {
  std::set<std::string> names;
  for (const HotKeyName& key : HotKeyNames()) {
    const HotKeyCombination combination{HotKeyModifier::Control, key.key};
    EXPECT_TRUE(IsUsableHotKey(combination)) << key.name;
    EXPECT_EQ(ParseStoredHotKey(FormatStoredHotKey(combination)), combination) << key.name;
    EXPECT_EQ(HotKeyText(combination), std::string("Ctrl+") + key.name);
    names.insert(key.name);
  }
  EXPECT_EQ(names.size(), HotKeyNames().size());  // no key listed twice
  EXPECT_EQ(FormatStoredHotKey(DefaultHotKey), "6,123");
}

TEST(HotKeyCombination, LettersAndDigitsNeedACommandingModifier) {
  EXPECT_FALSE(IsUsableHotKey({0, 'A'}));
  EXPECT_FALSE(IsUsableHotKey({HotKeyModifier::Shift, '7'}));
  EXPECT_TRUE(IsUsableHotKey({HotKeyModifier::Alt, '7'}));
  EXPECT_TRUE(IsUsableHotKey({HotKeyModifier::Win | HotKeyModifier::Shift, 'Z'}));
  EXPECT_TRUE(IsUsableHotKey({0, 0x7B}));                   // F12 alone
  EXPECT_FALSE(IsUsableHotKey({HotKeyModifier::Control, 0x0D}));  // Enter is not offered
  EXPECT_FALSE(IsUsableHotKey({0x4000 | HotKeyModifier::Control, 0x7B}));
}

}  // namespace
