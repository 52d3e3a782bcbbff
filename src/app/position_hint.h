#pragma once
#include <string>

#include "common/geometry.h"

// The main window's hint: "Ｆｏｒｍ位置サイズ " + left,top,width,height, each decimal digit in
// its full-width form and a minus sign kept as "-". Shift-JIS bytes, as the hint shows them.
std::string PositionHint(const Bounds& window);
