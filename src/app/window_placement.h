#pragma once
#include <optional>
#include <string>

#include "common/geometry.h"

inline constexpr Size MainWindowDefaultSize{445, 300};

// The main window's bounds at creation: the stored "FP" (left,top,width,height) when it is
// four integers that fit the screen, else centred at the default size; then pulled inside
// the work area.
Bounds MainWindowBounds(const std::optional<std::string>& storedPosition, Size screen,
                        const Bounds& workArea);
