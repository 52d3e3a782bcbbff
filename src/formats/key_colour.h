#pragma once
#include <string_view>

#include "common/pixels.h"
#include "formats/mask_and_colour.h"

// BMP pictures as cursors: the extension names the colour that stays transparent.

struct KeyColour {
  Pixel colour = 0;
  // The default key; on screens of 8 bits or less it also takes the near-white 254s.
  bool white = false;
  friend bool operator==(const KeyColour&, const KeyColour&) = default;
};

// From the third letter after the extension's dot: B blue, G green, K black, M maroon, R red,
// Y yellow; any other letter, or an extension of fewer than four characters, white.
KeyColour KeyColourOf(std::string_view fileName);

// Key-coloured pixels become transparent (black colour, white mask). On screens of 8 bits or less
// the mask is black elsewhere; above, the mask keeps the picture's own colours there.
MaskAndColour KeyColourPictures(const PixelBuffer& picture, KeyColour key, int screenDepth);
