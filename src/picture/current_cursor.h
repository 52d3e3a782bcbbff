#pragma once
#include <string>

#include "common/geometry.h"
#include "ui/picture.h"

// The current cursor (Image_AND, Image_XOR and the hot spot): the mask (white lets the picture
// show through, black is opaque), the colour image, whose size is the cursor's, the hot spot,
// the file it came from, whether it came from a BMP picture, and whether the colour step ORs
// instead of inverting (the pointer combine flag, which follows fromBitmap at every preview).
struct CurrentCursor {
  Picture andMask;
  Picture xorColour;
  Point hotSpot;
  std::string sourceFile;
  bool fromBitmap = false;
  bool combineWithOr = false;

  Size GetSize() const { return xorColour.GetSize(); }
};
