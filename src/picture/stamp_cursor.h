#pragma once
#include "common/geometry.h"
#include "picture/current_cursor.h"
#include "ui/picture.h"

// Draws the cursor with its top-left corner at `at`: the mask with SRCAND, then the colour
// image with SRCPAINT or SRCINVERT. Whatever falls outside the target is clipped; an empty
// cursor draws nothing.
void StampCursor(Picture& target, const Picture& andMask, const Picture& xorColour, Point at, bool combineWithOr);

