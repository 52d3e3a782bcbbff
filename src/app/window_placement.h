#pragma once
#include <optional>
#include <string>

#include "common/geometry.h"

inline constexpr Size MainWindowDefaultSize{445, 300};

// The main window's bounds at creation: the stored "FP" (left,top,width,height, screen pixels)
// when it is four integers that fit the screen, else centred at the default size (the design
// size scaled to the screen); then pulled inside the work area.
Bounds MainWindowBounds(const std::optional<std::string>& storedPosition, Size screen,
                        const Bounds& workArea, Size defaultSize = MainWindowDefaultSize);
