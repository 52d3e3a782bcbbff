#include <gtest/gtest.h>

#include <map>

#include "workspace/settings.h"

namespace {

// A settings key held in memory; a missing name reads as nothing, as in the registry.
struct FakeKey {
  std::map<std::string, std::string, std::less<>> values;
  SettingsReader Reader() const {
    return [this](std::string_view name) -> std::optional<std::string> {
      const auto found = values.find(name);
      if (found == values.end()) return std::nullopt;
      return found->second;
    };
  }
};

SettingsEnvironment Environment() {
  SettingsEnvironment e;
  e.screen = {1024, 768};
  e.formBounds = {100, 50, 445, 300};
  e.programFolder = "C:\\PROG\\";
  e.windowsFolder = "D:\\WINNT\\";
  e.systemWindowColour = 0xFFFFFF;
  return e;
}

MainSettings Read(const std::map<std::string, std::string, std::less<>>& values) {
  FakeKey key{values};
  return ReadMainSettings(key.Reader(), Environment());
}

TEST(Settings, MissingKeyGivesAllDefaults) {
  const MainSettings s = Read({});
  EXPECT_FALSE(s.topMost);
  EXPECT_TRUE(s.backColor);
  EXPECT_TRUE(s.miniHelp);
  EXPECT_EQ(s.iconPath, "D:\\windows\\cursors");
  EXPECT_EQ(s.savePath, "C:\\PROG\\");
  EXPECT_EQ(s.loadPath, "C:\\PROG\\");
  EXPECT_EQ(s.priLoadPath, "C:\\PROG\\");
  EXPECT_EQ(s.jpgSavePath, "C:\\PROG\\");
  EXPECT_FALSE(s.autoIn);
  EXPECT_TRUE(s.cursorSet);
  EXPECT_EQ(s.timerIndex, 0);
  EXPECT_EQ(s.leftUp, (Size{64, 64}));
  // The fixed rectangle defaults to the window's size centred on the screen.
  EXPECT_EQ(s.kotei, (Bounds{(1024 - 445) / 2, (768 - 300) / 2, 445, 300}));
  EXPECT_EQ(s.captureType, 1);
  EXPECT_EQ(s.gouseiShape, 1);
  EXPECT_EQ(s.naraberuShape, 0);
  EXPECT_EQ(s.clearColourIndex, 5);
  EXPECT_EQ(s.myColour, 0xFFFFFF);
  EXPECT_TRUE(s.kougo);
  EXPECT_FALSE(s.baimitu);
  EXPECT_EQ(s.sizeIndex, 2);
  EXPECT_EQ(s.centre, (Point{0, 0}));
  EXPECT_FALSE(s.hoseiOn);
  EXPECT_FALSE(s.jpgInternet);
  EXPECT_EQ(s.jpgQuality, 90);
  EXPECT_FALSE(s.gouseiM1);
  EXPECT_TRUE(s.capcherGousei);
  EXPECT_FALSE(s.hotKeyOn);
  EXPECT_EQ(s.hotKey, DefaultHotKey);
  EXPECT_FALSE(s.seriesOn);
  EXPECT_EQ(s.SeriesFolder(), "C:\\PROG\\");  // the BMP save folder
  EXPECT_EQ(s.seriesStem, "PIKTO");
  EXPECT_EQ(s.seriesFormat, SeriesFormat::Png);
}

TEST(Settings, JpegQualityIsClampedOrDefaulted) {
  const std::pair<std::string, int> cases[] = {
      {"0", 1}, {"-5", 1}, {"1", 1}, {"50", 50}, {"100", 100}, {"250", 100},
      {"abc", 90}, {"", 90}, {"99999999999999", 90}, {" 50", 90}, {"50 ", 90}, {"0x20", 90},
      {"+70", 70}, {"0050", 50}, {std::string("50\0x", 4), 90},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(Read({{"JPG_COMP", text}}).jpgQuality, expected) << '"' << text << '"';
  }
}

TEST(Settings, PairsAndQuadruplesFallBackAsAWhole) {
  EXPECT_EQ(Read({{"LeftUp", "0,20"}}).leftUp, (Size{64, 20}));
  EXPECT_EQ(Read({{"LeftUp", "100,-3"}}).leftUp, (Size{100, 64}));
  EXPECT_EQ(Read({{"LeftUp", "12"}}).leftUp, (Size{64, 64}));
  EXPECT_EQ(Read({{"LeftUp", "1,2,3"}}).leftUp, (Size{64, 64}));
  EXPECT_EQ(Read({{"LeftUp", "1, 2"}}).leftUp, (Size{64, 64}));
  EXPECT_EQ(Read({{"LeftUp", ",2"}}).leftUp, (Size{64, 64}));
  EXPECT_EQ(Read({{"LeftUp", "2,"}}).leftUp, (Size{64, 64}));

  EXPECT_EQ(Read({{"KOTEI", "-10,20,0,200"}}).kotei, (Bounds{-10, 20, 445, 200}));
  EXPECT_EQ(Read({{"KOTEI", "1,2,3,0"}}).kotei, (Bounds{1, 2, 3, 300}));
  const Bounds centred = Read({}).kotei;
  EXPECT_EQ(Read({{"KOTEI", "1,2,3"}}).kotei, centred);
  EXPECT_EQ(Read({{"KOTEI", "1,2,3,4,5"}}).kotei, centred);
  EXPECT_EQ(Read({{"KOTEI", "1,2,x,4"}}).kotei, centred);

  EXPECT_EQ(Read({{"Center", "-7,9"}}).centre, (Point{-7, 9}));
  EXPECT_EQ(Read({{"Center", "3;4"}}).centre, (Point{0, 0}));
}

TEST(Settings, IndexesOutsideTheirTablesTakeTheDefault) {
  struct Case {
    const char* name;
    int MainSettings::*member;
    int last;
    int fallback;
  };
  const Case cases[] = {
      {"Timer", &MainSettings::timerIndex, 11, 0},
      {"GType", &MainSettings::captureType, 7, 1},
      {"Gousei", &MainSettings::gouseiShape, 8, 1},
      {"Naraberu", &MainSettings::naraberuShape, 7, 0},
      {"BMPBGColor", &MainSettings::clearColourIndex, 6, 5},
      {"Size", &MainSettings::sizeIndex, 4, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Read({{c.name, std::to_string(c.last)}}).*c.member, c.last) << c.name;
    EXPECT_EQ(Read({{c.name, "0"}}).*c.member, 0) << c.name;
    EXPECT_EQ(Read({{c.name, std::to_string(c.last + 1)}}).*c.member, c.fallback) << c.name;
    EXPECT_EQ(Read({{c.name, "-1"}}).*c.member, c.fallback) << c.name;
    EXPECT_EQ(Read({{c.name, "2147483648"}}).*c.member, c.fallback) << c.name;
    EXPECT_EQ(Read({{c.name, "-2147483648"}}).*c.member, c.fallback) << c.name;
  }
}

TEST(Settings, SwitchesAreOnWhenNonZero) {
  EXPECT_TRUE(Read({{"TOPMOST", "1"}}).topMost);
  EXPECT_TRUE(Read({{"TOPMOST", "-3"}}).topMost);
  EXPECT_FALSE(Read({{"BackColor", "0"}}).backColor);
  EXPECT_TRUE(Read({{"BackColor", "yes"}}).backColor);  // unreadable: default on
  EXPECT_FALSE(Read({{"Cursor_Set", "0"}}).cursorSet);
  EXPECT_FALSE(Read({{"CAPCHER_GOUSEI", "00"}}).capcherGousei);
}

// A damaged capture key or series value takes its default, as every other value does.
TEST(Settings, CaptureKeyAndSeriesValuesFallBackToTheirDefaults) {
  const std::pair<std::string, HotKeyCombination> keys[] = {
      {"6,123", DefaultHotKey},
      {"3,65", {HotKeyModifier::Control | HotKeyModifier::Alt, 'A'}},
      {"0,113", {0, 0x71}},  // F2 alone
      {"8,44", {HotKeyModifier::Win, 0x2C}},
      {"4,65", DefaultHotKey},   // Shift+A is typing
      {"0,48", DefaultHotKey},   // 0 alone as well
      {"16,123", DefaultHotKey},  // no such modifier
      {"6,7", DefaultHotKey},     // no key of the list
      {"6", DefaultHotKey},
      {"-2,123", DefaultHotKey},
      {"6,123,1", DefaultHotKey},
      {"Ctrl+Shift+F12", DefaultHotKey},
  };
  for (const auto& [text, expected] : keys) EXPECT_EQ(Read({{"HOTKEY", text}}).hotKey, expected) << text;

  const std::pair<std::string, std::string> stems[] = {
      {"SHOT_", "SHOT_"}, {"画面", "画面"}, {"表", "表"},  // 表's second byte is the backslash's
      {"", "PIKTO"}, {"a\\b", "PIKTO"}, {"a/b", "PIKTO"}, {"C:", "PIKTO"}, {"a*", "PIKTO"}, {"x?", "PIKTO"},
      {"\"q\"", "PIKTO"}, {"<>", "PIKTO"}, {"a|b", "PIKTO"}, {"tab\t", "PIKTO"}, {"end.", "PIKTO"},
      {"end ", "PIKTO"}, {" lead", "PIKTO"}, {".lead", "PIKTO"}, {"\x82", "PIKTO"},  // half a character
      {std::string(64, 'S'), std::string(64, 'S')}, {std::string(65, 'S'), "PIKTO"},
  };
  for (const auto& [text, expected] : stems) EXPECT_EQ(Read({{"RENBAN_NAME", text}}).seriesStem, expected) << text;

  EXPECT_EQ(Read({{"RENBAN_TYPE", "1"}}).seriesFormat, SeriesFormat::Bmp);
  EXPECT_EQ(Read({{"RENBAN_TYPE", "2"}}).seriesFormat, SeriesFormat::Jpeg);
  EXPECT_EQ(Read({{"RENBAN_TYPE", "3"}}).seriesFormat, SeriesFormat::Png);
  EXPECT_EQ(Read({{"RENBAN_TYPE", "-1"}}).seriesFormat, SeriesFormat::Png);
  EXPECT_TRUE(Read({{"HOTKEY_ON", "1"}}).hotKeyOn);
  EXPECT_FALSE(Read({{"RENBAN_ON", "on"}}).seriesOn);

  // Until a folder is chosen the series follows the BMP save folder.
  EXPECT_EQ(Read({{"SavePath", "E:\\B\\"}, {"RENBAN_PATH", ""}}).SeriesFolder(), "E:\\B\\");
  EXPECT_EQ(Read({{"SavePath", "E:\\B\\"}, {"RENBAN_PATH", "F:\\R"}}).SeriesFolder(), "F:\\R");
}

TEST(Settings, UserColour) {
  EXPECT_EQ(Read({{"MyColor", "-1"}}).myColour, 0xFFFFFF);
  EXPECT_EQ(Read({{"MyColor", "255"}}).myColour, 255);
  EXPECT_EQ(Read({{"MyColor", "16777215"}}).myColour, 0xFFFFFF);
  EXPECT_EQ(Read({{"MyColor", "0"}}).myColour, 0);
  EXPECT_EQ(Read({{"MyColor", "16777216"}}).myColour, 0xFFFFFF);
  EXPECT_EQ(Read({{"MyColor", "-2"}}).myColour, 0xFFFFFF);
}

TEST(Settings, FoldersAreTakenAsStoredUnlessEmpty) {
  const std::string huge(100000, 'x');
  const MainSettings s = Read({{"SavePath", "E:\\表\\"}, {"LOADPath", ""}, {"IconPath", huge}});
  EXPECT_EQ(s.savePath, "E:\\表\\");
  EXPECT_EQ(s.loadPath, "C:\\PROG\\");
  EXPECT_EQ(s.iconPath, huge);
}

TEST(Settings, WrittenInCloseOrderAndReadBackUnchanged) {
  MainSettings s = Read({});
  s.formBounds = {-5, 7, 500, 400};
  s.topMost = true;
  s.timerIndex = 11;
  s.leftUp = {10, 20};
  s.kotei = {-1, -2, 30, 40};
  s.captureType = 7;
  s.myColour = 0x102030;
  s.centre = {-3, 4};
  s.jpgQuality = 1;
  s.cursorSet = false;
  s.savePath = "Z:\\ソ";
  s.hotKeyOn = true;
  s.hotKey = {HotKeyModifier::All, 0x22};
  s.seriesOn = true;
  s.seriesFolder = "Y:\\連番";
  s.seriesStem = "表";
  s.seriesFormat = SeriesFormat::Jpeg;
  const auto written = FormatMainSettings(s);

  std::vector<std::string> names;
  for (const auto& [name, value] : written) names.push_back(name);
  const std::vector<std::string> order = {
      "TOPMOST", "GType", "FP", "BackColor", "minihelp", "IconPath", "SavePath", "LOADPath",
      "PRILOADPath", "JPG_SavePath", "LeftUp", "Center", "KOTEI", "BMPBGColor", "Timer",
      "MyColor", "Gousei", "Naraberu", "Kougo", "Baimitu", "Size", "HoseiOn", "JPG_INTERNET",
      "JPG_COMP", "AUTO_IN", "Cursor_Set", "GOUSEI_M1", "CAPCHER_GOUSEI", "HOTKEY_ON", "HOTKEY", "RENBAN_ON",
      "RENBAN_PATH", "RENBAN_NAME", "RENBAN_TYPE"};
  EXPECT_EQ(names, order);

  std::map<std::string, std::string, std::less<>> stored(written.begin(), written.end());
  EXPECT_EQ(stored["FP"], "-5,7,500,400");
  EXPECT_EQ(stored["KOTEI"], "-1,-2,30,40");
  EXPECT_EQ(stored["MyColor"], "1056816");
  EXPECT_EQ(stored["TOPMOST"], "1");
  EXPECT_EQ(stored["HOTKEY"], "15,34");
  EXPECT_EQ(stored["RENBAN_TYPE"], "2");

  MainSettings back = Read(stored);
  back.formBounds = s.formBounds;  // placed by the window, not read here
  EXPECT_EQ(FormatMainSettings(back), written);
}

}  // namespace
