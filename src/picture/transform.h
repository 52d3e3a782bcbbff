#pragma once
#include "common/geometry.h"
#include "common/pixels.h"

// The four picture transforms of the rotate menu, numbered as the menu handler passes them
// (the cursor rotation uses the same numbers).
enum class TransformKind {
  RotateRight = 0,  // 90° clockwise: source (x, y) lands on (H-1-y, x)
  Rotate180 = 1,    // source (x, y) lands on (W-1-x, H-1-y)
  RotateLeft = 2,   // 90° counter-clockwise: source (x, y) lands on (y, W-1-x)
  Mirror = 3,       // left to right: source (x, y) lands on (W-1-x, y)
};

// The picture's size after the transform: width and height swap for the two quarter turns.
Size TransformedSize(Size source, TransformKind kind);

// Transforms `width` × `height` pixels (top-down rows without padding, as pixels.h describes)
// into `destination`, which holds the same number of pixels laid out in the transformed size
// (height × width for the quarter turns) and must not overlap `source`. Works directly on
// DIB-section memory. Returns false, touching nothing, for a null pointer, a non-positive side
// or an unknown kind.
bool TransformPixels(const Pixel* source, int width, int height, Pixel* destination, TransformKind kind);

// The transformed copy of a picture; an empty picture for an empty or inconsistent one
// (pixel count not matching its size) or an unknown kind.
PixelBuffer Transformed(const PixelBuffer& picture, TransformKind kind);
