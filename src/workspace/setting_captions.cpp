#include "workspace/setting_captions.h"

#include <cstdio>

#include "common/decimal.h"

std::string TopLeftSizeCaption(Size size) {
  return "左上固定サイズ " + ToDecimal(size.width) + "*" + ToDecimal(size.height) + " (&L)";
}

std::string FixedRectangleCaption(const Bounds& r) {
  return "固定サイズ " + JoinDecimals({r.left, r.top, r.width, r.height});
}

std::string JpegQualityCaption(int quality) { return "圧縮率 " + ToDecimal(quality) + "％ (&C)"; }

std::string CentreCorrectionCaption(Point centre) {
  return "中央補正 ( " + ToDecimal(centre.x) + ", " + ToDecimal(centre.y) + " ) (&H)";
}

std::string UserColourCaption(int colour) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "%02X%02X%02X", (colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
  return std::string("BGR = [") + hex + "]";
}
