#include <gtest/gtest.h>

#include "app/settings_store.h"
#include "common/program_constants.h"
#include "ui/registry.h"

namespace {

SettingsEnvironment Environment() {
  return {{1024, 768}, {10, 20, 445, 300}, "C:\\PROG\\", "C:\\windows\\", 0xFFFFFF};
}

class SettingsRegistry : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath); }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath); }

  static void WriteRaw(const char* name, DWORD type, const void* data, DWORD size) {
    const auto key = RegistryKey::Create(HKEY_CURRENT_USER, SettingsKeyPath);
    ASSERT_TRUE(key);
    ASSERT_EQ(RegSetValueExA(key->Get(), name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
};

TEST(Platform, RunsInCodePage932) { EXPECT_EQ(GetACP(), 932u); }

TEST_F(SettingsRegistry, MissingKeyReadsDefaultsAndIsCreatedByWriting) {
  EXPECT_FALSE(RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath));
  const MainSettings defaults = SettingsStore::ReadMain(Environment());
  EXPECT_EQ(defaults.captureType, 1);
  EXPECT_EQ(defaults.jpgQuality, 90);
  ASSERT_TRUE(SettingsStore::WriteMain(defaults));
  EXPECT_TRUE(RegistryKey::Open(HKEY_CURRENT_USER, SettingsKeyPath));
  EXPECT_EQ(SettingsStore::ReadValue("JPG_COMP"), "90");
  EXPECT_EQ(SettingsStore::ReadValue("FP"), "10,20,445,300");
}

TEST_F(SettingsRegistry, EveryValueSurvivesTheRoundTrip) {
  MainSettings s = SettingsStore::ReadMain(Environment());
  s.topMost = true;
  s.backColor = false;
  s.miniHelp = false;
  s.iconPath = "D:\\表\\cursors";
  s.savePath = "E:\\保存ソ\\";
  s.loadPath = "F:\\";
  s.priLoadPath = "G:\\x";
  s.jpgSavePath = "H:\\y";
  s.autoIn = true;
  s.cursorSet = false;
  s.timerIndex = 11;
  s.leftUp = {7, 9};
  s.kotei = {-3, -4, 5, 6};
  s.captureType = 7;
  s.gouseiShape = 8;
  s.naraberuShape = 7;
  s.clearColourIndex = 6;
  s.myColour = 0x123456;
  s.kougo = false;
  s.baimitu = true;
  s.sizeIndex = 4;
  s.centre = {-8, 12};
  s.hoseiOn = true;
  s.jpgInternet = true;
  s.jpgQuality = 100;
  s.gouseiM1 = true;
  s.capcherGousei = false;
  ASSERT_TRUE(SettingsStore::WriteMain(s));

  const MainSettings back = SettingsStore::ReadMain(Environment());
  EXPECT_EQ(FormatMainSettings(back), FormatMainSettings(s));
  EXPECT_EQ(SettingsStore::ReadValue("SavePath"), "E:\\保存ソ\\");
}

TEST_F(SettingsRegistry, DamagedValuesTakeTheirDefaults) {
  const DWORD number = 50;
  WriteRaw("JPG_COMP", REG_DWORD, &number, sizeof number);  // another type
  WriteRaw("Timer", REG_BINARY, "\x05", 1);
  WriteRaw("GType", REG_SZ, "3", 1);                     // no terminating NUL
  WriteRaw("Size", REG_SZ, "4\0" "9", 3);                // text ends at its first NUL
  WriteRaw("Naraberu", REG_SZ, "\x32\x00\x33", 3);       // odd byte count, inner NUL
  WriteRaw("Gousei", REG_MULTI_SZ, "2\0\0", 3);
  WriteRaw("Kougo", REG_EXPAND_SZ, "0", 2);              // a string, but not a plain one
  WriteRaw("SavePath", REG_EXPAND_SZ, "%TEMP%\\", 8);
  const std::string huge(RegistryKey::MaxValueBytes + 10, '7');
  WriteRaw("BMPBGColor", REG_SZ, huge.c_str(), static_cast<DWORD>(huge.size() + 1));
  WriteRaw("IconPath", REG_SZ, huge.c_str(), static_cast<DWORD>(huge.size() + 1));

  const MainSettings s = SettingsStore::ReadMain(Environment());
  EXPECT_EQ(s.jpgQuality, 90);
  EXPECT_EQ(s.timerIndex, 0);
  EXPECT_EQ(s.captureType, 3);
  EXPECT_EQ(s.sizeIndex, 4);
  EXPECT_EQ(s.naraberuShape, 2);
  EXPECT_EQ(s.gouseiShape, 1);
  EXPECT_EQ(s.clearColourIndex, 5);
  EXPECT_EQ(s.iconPath, "C:\\windows\\cursors");
  EXPECT_TRUE(s.kougo);
  EXPECT_EQ(s.savePath, "C:\\PROG\\");
}

}  // namespace
