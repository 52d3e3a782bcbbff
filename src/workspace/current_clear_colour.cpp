#include "workspace/current_clear_colour.h"

#include <windows.h>

#include "workspace/clear_colour.h"

int CurrentClearColour(const MainSettings& settings) {
  const SystemColours system{static_cast<int>(GetSysColor(COLOR_WINDOW)), static_cast<int>(GetSysColor(COLOR_BTNFACE)),
                             static_cast<int>(GetSysColor(COLOR_APPWORKSPACE))};
  return ClearColourOf(settings.clearColourIndex, settings.myColour, system);
}

Pixel CurrentClearPixel(const MainSettings& settings) {
  const auto colour = static_cast<COLORREF>(CurrentClearColour(settings));
  return MakePixel(GetRValue(colour), GetGValue(colour), GetBValue(colour));
}
