#pragma once
#include <functional>

#include "common/geometry.h"

// How the mask's figure is shifted (left, up) before the grid samples it: up by a quarter
// cursor, and left by half a cursor on pictures narrower than 200 pixels.
Point ArrangementMaskShift(Size picture, Size cursor);

struct ArrangementOptions {
  bool alternateRows = true;  // 交互: every other row half a cursor further left
  bool doubleDensity = false;  // 倍密度: a second grid half a cursor left and up; rows stay unshifted
};

// Calls `stamp` with the top-left corner of every cell of the grid centred on the picture whose
// sample point is white in the mask (`isWhite(x, y)`, always inside the picture), row by row from
// the top, left to right, the first grid before the second. An empty picture or cursor has no
// cells.
void ForEachArrangementCell(Size picture, Size cursor, ArrangementOptions options,
                            const std::function<bool(int x, int y)>& isWhite,
                            const std::function<void(Point corner)>& stamp);
