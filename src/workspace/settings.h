#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "workspace/hot_key_combination.h"
#include "workspace/numbered_series.h"

// Every value of the main window kept in the settings key, as the program holds it in
// memory between start-up and close.
struct MainSettings {
  Bounds formBounds;          // "FP"
  bool topMost = false;       // "TOPMOST"
  bool backColor = true;      // "BackColor"
  bool miniHelp = true;       // "minihelp"
  std::string iconPath;       // "IconPath"
  std::string savePath;       // "SavePath"
  std::string loadPath;       // "LOADPath"
  std::string priLoadPath;    // "PRILOADPath"
  std::string jpgSavePath;    // "JPG_SavePath"
  bool autoIn = false;        // "AUTO_IN"
  bool cursorSet = true;      // "Cursor_Set"
  int timerIndex = 0;         // "Timer" 0..11
  Size leftUp{64, 64};        // "LeftUp"
  Bounds kotei;               // "KOTEI"
  int captureType = 1;        // "GType" 0..7
  int gouseiShape = 1;        // "Gousei" 0..8
  int naraberuShape = 0;      // "Naraberu" 0..7
  int clearColourIndex = 5;   // "BMPBGColor" 0..6
  int myColour = 0;           // "MyColor", always a real colour (red in the low byte)
  bool kougo = true;          // "Kougo"
  bool baimitu = false;       // "Baimitu"
  int sizeIndex = 2;          // "Size" 0..4
  Point centre;               // "Center"
  bool hoseiOn = false;       // "HoseiOn"
  bool jpgInternet = false;   // "JPG_INTERNET"
  int jpgQuality = 90;        // "JPG_COMP" 1..100
  bool gouseiM1 = false;      // "GOUSEI_M1"
  bool capcherGousei = true;  // "CAPCHER_GOUSEI"

  // The capture key and the numbered series.
  bool hotKeyOn = false;                          // "HOTKEY_ON"
  HotKeyCombination hotKey = DefaultHotKey;       // "HOTKEY"
  bool seriesOn = false;                          // "RENBAN_ON"
  std::string seriesFolder;                       // "RENBAN_PATH"; empty: the BMP save folder
  std::string seriesStem = DefaultSeriesStem;     // "RENBAN_NAME"
  SeriesFormat seriesFormat = SeriesFormat::Png;  // "RENBAN_TYPE"

  // Where the numbered series goes: the chosen folder, else where BMPs were last saved.
  const std::string& SeriesFolder() const { return seriesFolder.empty() ? savePath : seriesFolder; }
};

inline constexpr int DelayCount = 12;
inline constexpr int CaptureTypeCount = 8;
inline constexpr int GouseiShapeCount = 9;
inline constexpr int NaraberuShapeCount = 8;
inline constexpr int ClearColourCount = 7;
inline constexpr int SizeStepCount = 5;

// What the defaults depend on.
struct SettingsEnvironment {
  Size screen;
  Bounds formBounds;             // the window's bounds, already placed from "FP"
  std::string programFolder;     // with trailing separator
  std::string windowsFolder;     // with trailing separator
  int systemWindowColour = 0;    // GetSysColor(COLOR_WINDOW)
  Size defaultFormSize{445, 300};  // the window's default size at the screen's scale
};

// Reads one stored string; nullopt when missing or not a string.
using SettingsReader = std::function<std::optional<std::string>(std::string_view name)>;

// The values of step 12 of the start-up, each with its default and checks. "FP" is not read
// here: it is placed by the window itself (and given back through the environment).
MainSettings ReadMainSettings(const SettingsReader& read, const SettingsEnvironment& environment);

// All values in the order they are written at close, as stored strings.
std::vector<std::pair<std::string, std::string>> FormatMainSettings(const MainSettings& settings);

// Single-value rules, shared with the menu commands that change these values.
int ClampJpegQuality(int quality);
