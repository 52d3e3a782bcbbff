#include "cursor/cursor_pictures.h"

#include <algorithm>

#include "common/design_scale.h"
#include "cursor/icon_drawing.h"
#include "picture/stamp_cursor.h"
#include "ui/handles.h"

namespace {

Pixel PixelOf(COLORREF colour) { return MakePixel(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

}  // namespace

void FillPicture(Picture& picture, COLORREF colour) {
  GdiFlush();
  const Pixel pixel = PixelOf(colour);
  std::fill_n(picture.Pixels(), static_cast<std::size_t>(picture.Width()) * picture.Height(), pixel);
}

bool DrawCursorHandle(HICON handle, Size size, CurrentCursor& cursor) {
  const auto pictures = handle ? DrawIconApart(handle, size) : std::nullopt;
  return pictures && cursor.andMask.Assign(pictures->andMask) && cursor.xorColour.Assign(pictures->xorColour);
}

bool TakeGlyph(Glyph glyph, Size size, CurrentCursor& cursor) {
  const GlyphPair pair = GlyphPictures(glyph);
  return cursor.andMask.Assign(ArtAtSize(pair.andMask, size)) && cursor.xorColour.Assign(ArtAtSize(pair.xorColour, size));
}

bool ComposeCursor(const CurrentCursor& cursor, COLORREF background, bool combineWithOr, Picture& into) {
  if (cursor.xorColour.Empty() || !into.Create(cursor.GetSize())) return false;
  FillPicture(into, background);
  StampCursor(into, cursor.andMask, cursor.xorColour, {0, 0}, combineWithOr);
  return true;
}

bool MakeThumbnail(const Picture& picture, Size size, Picture& thumbnail) {
  return !picture.Empty() && thumbnail.StretchFrom(picture, size);
}

void DrawItemPicture(HDC dc, const Picture& picture, Point at, COLORREF background) {
  if (picture.Empty()) return;
  Picture shown;
  if (!shown.CopyFrom(picture)) return;
  const Pixel maroon = PixelOf(ListBackground);
  const Pixel replacement = PixelOf(background);
  Pixel* pixels = shown.Pixels();
  // GDI may leave an alpha byte in DIB memory; only the colour counts.
  std::replace_if(pixels, pixels + static_cast<std::size_t>(shown.Width()) * shown.Height(),
                  [maroon](Pixel p) { return (p & 0xFFFFFF) == maroon; }, replacement);
  shown.Draw(dc, at.x, at.y);
}

void CopyRectangle(const Picture& from, Picture& to, const Bounds& r) {
  if (from.Empty() || to.Empty()) return;
  {
    PictureDc source(from);
    PictureDc target(to);
    BitBlt(target.Get(), r.left, r.top, r.width, r.height, source.Get(), r.left, r.top, SRCCOPY);
  }
  GdiFlush();
}
