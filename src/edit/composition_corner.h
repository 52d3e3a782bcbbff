#pragma once
#include "common/geometry.h"

// Where the second picture of a composition lies on the working picture: centred (halves
// truncated toward zero), then moved by the centre correction. Negative when the second
// picture is the larger one; far-off corrections stop at the ends of int.
Point SecondPictureCorner(Size working, Size second, Point correction);
