#include "workspace/settings.h"

#include "common/decimal.h"

namespace {

// Reading one value: an empty or missing text takes the default; a text that is no number
// (or an index outside its table) is unreadable and also takes the default.
class ValueReader {
 public:
  explicit ValueReader(const SettingsReader& read) : read_(read) {}

  std::optional<std::string> Text(std::string_view name) const {
    auto text = read_(name);
    if (!text || text->empty()) return std::nullopt;
    return text;
  }

  std::optional<int> Number(std::string_view name) const {
    const auto text = Text(name);
    return text ? ParseDecimal(*text) : std::nullopt;
  }

  bool Switch(std::string_view name, bool fallback) const {
    const auto number = Number(name);
    return number ? *number != 0 : fallback;
  }

  int Index(std::string_view name, int count, int fallback) const {
    const auto number = Number(name);
    return number && *number >= 0 && *number < count ? *number : fallback;
  }

  std::string Folder(std::string_view name, const std::string& fallback) const {
    return Text(name).value_or(fallback);
  }

  std::optional<std::vector<int>> List(std::string_view name, std::size_t count) const {
    const auto text = Text(name);
    return text ? ParseDecimalList(*text, count) : std::nullopt;
  }

 private:
  const SettingsReader& read_;
};

const char* Bit(bool on) { return on ? "1" : "0"; }

}  // namespace

int ClampJpegQuality(int quality) { return quality < 1 ? 1 : quality > 100 ? 100 : quality; }

MainSettings ReadMainSettings(const SettingsReader& read, const SettingsEnvironment& environment) {
  const ValueReader value(read);
  MainSettings s;
  s.formBounds = environment.formBounds;
  s.topMost = value.Switch("TOPMOST", false);
  s.backColor = value.Switch("BackColor", true);
  s.miniHelp = value.Switch("minihelp", true);
  const std::string drive = environment.windowsFolder.substr(0, 1);
  s.iconPath = value.Folder("IconPath", drive + ":\\windows\\cursors");
  s.savePath = value.Folder("SavePath", environment.programFolder);
  s.loadPath = value.Folder("LOADPath", environment.programFolder);
  s.priLoadPath = value.Folder("PRILOADPath", environment.programFolder);
  s.jpgSavePath = value.Folder("JPG_SavePath", environment.programFolder);
  s.autoIn = value.Switch("AUTO_IN", false);
  s.cursorSet = value.Switch("Cursor_Set", true);
  s.timerIndex = value.Index("Timer", DelayCount, 0);

  if (const auto leftUp = value.List("LeftUp", 2)) {
    s.leftUp = {(*leftUp)[0] < 1 ? 64 : (*leftUp)[0], (*leftUp)[1] < 1 ? 64 : (*leftUp)[1]};
  }

  const Bounds& form = environment.formBounds;
  const Size fixed = environment.defaultFormSize;
  s.kotei = {(environment.screen.width - form.width) / 2, (environment.screen.height - form.height) / 2, fixed.width,
             fixed.height};
  if (const auto kotei = value.List("KOTEI", 4)) {
    s.kotei = {(*kotei)[0], (*kotei)[1], (*kotei)[2] < 1 ? fixed.width : (*kotei)[2],
               (*kotei)[3] < 1 ? fixed.height : (*kotei)[3]};
  }

  s.captureType = value.Index("GType", CaptureTypeCount, 1);
  s.gouseiShape = value.Index("Gousei", GouseiShapeCount, 1);
  s.naraberuShape = value.Index("Naraberu", NaraberuShapeCount, 0);
  s.clearColourIndex = value.Index("BMPBGColor", ClearColourCount, 5);

  // -1 (also the default) stands for the system window colour; anything that is no colour
  // of 24 bits is unreadable as well.
  const auto myColour = value.Number("MyColor");
  s.myColour = myColour && *myColour >= 0 && *myColour <= 0xFFFFFF ? *myColour
                                                                     : environment.systemWindowColour;

  s.kougo = value.Switch("Kougo", true);
  s.baimitu = value.Switch("Baimitu", false);
  s.sizeIndex = value.Index("Size", SizeStepCount, 2);
  if (const auto centre = value.List("Center", 2)) s.centre = {(*centre)[0], (*centre)[1]};
  s.hoseiOn = value.Switch("HoseiOn", false);
  s.jpgInternet = value.Switch("JPG_INTERNET", false);
  if (const auto quality = value.Number("JPG_COMP")) s.jpgQuality = ClampJpegQuality(*quality);
  s.gouseiM1 = value.Switch("GOUSEI_M1", false);
  s.capcherGousei = value.Switch("CAPCHER_GOUSEI", true);
  s.hotKeyOn = value.Switch("HOTKEY_ON", false);
  if (const auto text = value.Text("HOTKEY")) s.hotKey = ParseStoredHotKey(*text).value_or(DefaultHotKey);
  s.seriesOn = value.Switch("RENBAN_ON", false);
  s.seriesFolder = value.Folder("RENBAN_PATH", "");
  if (const auto stem = value.Text("RENBAN_NAME"); stem && IsUsableSeriesStem(*stem)) s.seriesStem = *stem;
  s.seriesFormat = static_cast<SeriesFormat>(value.Index("RENBAN_TYPE", SeriesFormatCount, 0));
  return s;
}

std::vector<std::pair<std::string, std::string>> FormatMainSettings(const MainSettings& s) {
  const Bounds& f = s.formBounds;
  return {
      {"TOPMOST", Bit(s.topMost)},
      {"GType", ToDecimal(s.captureType)},
      {"FP", JoinDecimals({f.left, f.top, f.width, f.height})},
      {"BackColor", Bit(s.backColor)},
      {"minihelp", Bit(s.miniHelp)},
      {"IconPath", s.iconPath},
      {"SavePath", s.savePath},
      {"LOADPath", s.loadPath},
      {"PRILOADPath", s.priLoadPath},
      {"JPG_SavePath", s.jpgSavePath},
      {"LeftUp", JoinDecimals({s.leftUp.width, s.leftUp.height})},
      {"Center", JoinDecimals({s.centre.x, s.centre.y})},
      {"KOTEI", JoinDecimals({s.kotei.left, s.kotei.top, s.kotei.width, s.kotei.height})},
      {"BMPBGColor", ToDecimal(s.clearColourIndex)},
      {"Timer", ToDecimal(s.timerIndex)},
      {"MyColor", ToDecimal(s.myColour)},
      {"Gousei", ToDecimal(s.gouseiShape)},
      {"Naraberu", ToDecimal(s.naraberuShape)},
      {"Kougo", Bit(s.kougo)},
      {"Baimitu", Bit(s.baimitu)},
      {"Size", ToDecimal(s.sizeIndex)},
      {"HoseiOn", Bit(s.hoseiOn)},
      {"JPG_INTERNET", Bit(s.jpgInternet)},
      {"JPG_COMP", ToDecimal(s.jpgQuality)},
      {"AUTO_IN", Bit(s.autoIn)},
      {"Cursor_Set", Bit(s.cursorSet)},
      {"GOUSEI_M1", Bit(s.gouseiM1)},
      {"CAPCHER_GOUSEI", Bit(s.capcherGousei)},
      {"HOTKEY_ON", Bit(s.hotKeyOn)},
      {"HOTKEY", FormatStoredHotKey(s.hotKey)},
      {"RENBAN_ON", Bit(s.seriesOn)},
      {"RENBAN_PATH", s.seriesFolder},
      {"RENBAN_NAME", s.seriesStem},
      {"RENBAN_TYPE", ToDecimal(static_cast<int>(s.seriesFormat))},
  };
}
