#pragma once
#include "common/pixels.h"
#include "workspace/settings.h"

// The clear colour of the settings as the system gives it now (0x00BBGGRR): the window,
// button and workspace entries take the system's colours of the moment.
int CurrentClearColour(const MainSettings& settings);
// The same as one of our pixels (0x00RRGGBB): what shows through a transparent pixel of a loaded
// picture.
Pixel CurrentClearPixel(const MainSettings& settings);
