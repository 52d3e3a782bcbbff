#pragma once
#include "common/geometry.h"
#include "cursor/glyphs.h"
#include "picture/current_cursor.h"
#include "ui/picture.h"
#include "ui/win32.h"

// Picture helpers of the cursor bar, its lists and the preview.

// The background of the cursor lists' items (maroon), replaced by the item's own when drawn.
inline constexpr COLORREF ListBackground = RGB(128, 0, 0);

void FillPicture(Picture& picture, COLORREF colour);

// Draws a system or resource cursor over black (the colour image) and over white, exclusive-or'ed
// with the first (the mask), at the standard icon size.
bool DrawCursorHandle(HICON handle, CurrentCursor& cursor);

bool TakeGlyph(Glyph glyph, CurrentCursor& cursor);

// The cursor drawn on a picture of its own size filled with `background`.
bool ComposeCursor(const CurrentCursor& cursor, COLORREF background, bool combineWithOr, Picture& into);

// A 16 x 16 copy of the picture.
bool MakeThumbnail(const Picture& picture, Picture& thumbnail);

// Draws the picture with its list-background pixels in `background`.
void DrawItemPicture(HDC dc, const Picture& picture, Point at, COLORREF background);

void CopyRectangle(const Picture& from, Picture& to, const Bounds& r);
