#pragma once
#include <string>
#include <string_view>
#include <variant>

#include "common/geometry.h"

// The size bar's inline entry: EditSize becomes editable and ColorBtn_SZ, whose caption
// names the mode, confirms it.
enum class ValueEntryMode {
  TopLeftSize,       // MGET_LEFT
  CentreCorrection,  // MG_HOSEI_SET
  JpegQuality,       // MJPG_COMP
};

// Put into LabelWidth to size EditSize for typing.
inline constexpr const char* ValueEntryWidthSample = "88888,88888";

std::string ValueEntryButtonCaption(ValueEntryMode mode);

// The values the three modes change, as they stand.
struct ValueEntryValues {
  Size leftUp;
  Point centre;
  int jpegQuality = 0;
};

// What EditSize shows on entering: the mode's current value.
std::string ValueEntryInitialText(ValueEntryMode mode, const ValueEntryValues& current);

// The confirmation's outcomes. On an error the mode stays on so the text can be corrected.
struct ValueEntryError {
  std::string message;
};
struct JpegQualityEntered {
  int quality = 0;  // already within 1..100
};
struct TopLeftSizeEntered {
  Size size;  // taken as typed; a useless size shows up at the next capture
};
struct CentreCorrectionEntered {
  Point centre;
};
using ValueEntryResult =
    std::variant<ValueEntryError, JpegQualityEntered, TopLeftSizeEntered, CentreCorrectionEntered>;

// A single number is the JPEG quality in every mode; two numbers separated by the first
// blank are the mode's pair.
ValueEntryResult ConfirmValueEntry(ValueEntryMode mode, std::string_view text);

// "圧縮率 90％に、設定しました。"
std::string JpegQualitySetMessage(int quality);
