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
// with the first (the mask), at `size` (the system's cursor size where it is shown).
bool DrawCursorHandle(HICON handle, Size size, CurrentCursor& cursor);

// A built-in glyph drawn at `size` (its design is 32 × 32).
bool TakeGlyph(Glyph glyph, Size size, CurrentCursor& cursor);

// The cursor drawn on a picture of its own size filled with `background`.
bool ComposeCursor(const CurrentCursor& cursor, COLORREF background, bool combineWithOr, Picture& into);

// A copy of the picture at `size` (16 × 16 at the window's scale).
bool MakeThumbnail(const Picture& picture, Size size, Picture& thumbnail);

// Draws the picture with its list-background pixels in `background`.
void DrawItemPicture(HDC dc, const Picture& picture, Point at, COLORREF background);

void CopyRectangle(const Picture& from, Picture& to, const Bounds& r);
