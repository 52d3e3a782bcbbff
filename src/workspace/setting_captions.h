#pragma once
#include <string>

#include "common/geometry.h"

// Menu captions that show a stored value.

// "左上固定サイズ 64*64 (&L)"
std::string TopLeftSizeCaption(Size size);
// "固定サイズ 289,234,445,300"
std::string FixedRectangleCaption(const Bounds& rectangle);
// "圧縮率 90％ (&C)"
std::string JpegQualityCaption(int quality);
// "中央補正 ( 0, 0 ) (&H)"
std::string CentreCorrectionCaption(Point centre);
// "BGR = [FFFFFF]": the colour's blue, green and red bytes from left to right.
std::string UserColourCaption(int colour);
