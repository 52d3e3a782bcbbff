#include "capture/value_entry.h"

#include "common/decimal.h"
#include "workspace/settings.h"

namespace {

constexpr const char* SingleValueError = "エラー： サイズデータが不正です・・・J";
constexpr const char* PairError = "エラー： サイズデータが不正です・・・2";

}  // namespace

std::string ValueEntryButtonCaption(ValueEntryMode mode) {
  switch (mode) {
    case ValueEntryMode::TopLeftSize:
      return "左上固定サイズの設定";
    case ValueEntryMode::CentreCorrection:
      return "合成画面中央補正設定";
    case ValueEntryMode::JpegQuality:
      break;
  }
  return "JPEG圧縮率(1-100) 初期値90 ";
}

std::string ValueEntryInitialText(ValueEntryMode mode, const ValueEntryValues& current) {
  switch (mode) {
    case ValueEntryMode::TopLeftSize:
      return ToDecimal(current.leftUp.width) + " " + ToDecimal(current.leftUp.height);
    case ValueEntryMode::CentreCorrection:
      return ToDecimal(current.centre.x) + " " + ToDecimal(current.centre.y);
    case ValueEntryMode::JpegQuality:
      break;
  }
  return ToDecimal(current.jpegQuality);
}

ValueEntryResult ConfirmValueEntry(ValueEntryMode mode, std::string_view text) {
  const auto start = text.find_first_not_of(' ');
  text.remove_prefix(start == std::string_view::npos ? text.size() : start);
  const auto blank = text.find(' ');

  if (blank == std::string_view::npos) {
    const auto quality = ParseDecimal(text);
    if (!quality) return ValueEntryError{SingleValueError};
    return JpegQualityEntered{ClampJpegQuality(*quality)};
  }
  if (mode == ValueEntryMode::JpegQuality) return ValueEntryError{SingleValueError};

  const auto a = ParseDecimal(text.substr(0, blank));
  const auto b = ParseDecimal(text.substr(blank + 1));
  if (!a || !b) return ValueEntryError{PairError};
  if (mode == ValueEntryMode::CentreCorrection) return CentreCorrectionEntered{{*a, *b}};
  return TopLeftSizeEntered{{*a, *b}};
}

std::string JpegQualitySetMessage(int quality) { return "圧縮率 " + ToDecimal(quality) + "％に、設定しました。"; }
