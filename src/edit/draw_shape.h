#pragma once
#include <span>

#include "common/geometry.h"
#include "ui/picture.h"

// The shape divisor of size step 0..4 (合成中央のサイズ 1..5): 4, 5, 8, 16, 32; 8 outside the steps.
int ShapeDivisor(int sizeStep);

// DrawShape: figure `shape` (0 the whole picture, 1 ellipse, 2 fan, 3 triangle, 4 rectangle,
// 5 pentagon, 6 hexagon, 7 heart; anything else draws nothing) filled and outlined (pen width 1)
// in `colour` on `picture`, shifted left by `a` and up by `b`, inset by 1/`divisor` of the
// picture on each side (a divisor of 0 or less counts as 8).
void DrawShape(Picture& picture, int shape, int a, int b, COLORREF colour, int divisor);
// The same, drawn only within `parts`: the rest of the picture, and of its memory, is left
// untouched, for a caller that reads the figure in a few places of a large picture.
void DrawShape(Picture& picture, int shape, int a, int b, COLORREF colour, int divisor,
               std::span<const Bounds> parts);
// The same on any device context of a picture of `size`, e.g. a one-bit mask.
void DrawShape(HDC dc, Size size, int shape, int a, int b, COLORREF colour, int divisor, std::span<const Bounds> parts);
