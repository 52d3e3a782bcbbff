#pragma once
#include "common/pixels.h"

// A cursor's two pictures before they become the current cursor's: the mask (white lets the
// background show, black is opaque) and the colour picture (black where transparent).
struct MaskAndColour {
  PixelBuffer andMask;
  PixelBuffer xorColour;
};
