#pragma once
#include "common/pixels.h"

// The built-in glyph pairs, 32 x 32, black and white only: the AND picture (white lets the
// background show, black is opaque) and the XOR picture (the white figure on black).
enum class Glyph {
  Arrow,        // Image_Arrow_A / Image_Arrow_X: small arrow, tip at the top-left corner
  ArrowMedium,  // Image_Arrow_M_A / Image_Arrow_M_X
  ArrowLarge,   // Image_Arrow_L_A / Image_Arrow_L_X
  Pen,          // Image_Pen_A / Image_Pen_X
  Size,         // Image_Size_A / Image_Size_X: four-way arrow
};

struct GlyphPair {
  PixelBuffer andMask;
  PixelBuffer xorColour;
};

GlyphPair GlyphPictures(Glyph glyph);
