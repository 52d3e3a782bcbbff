#include "edit/arrangement.h"

#include "edit/shape_geometry.h"

Point ArrangementMaskShift(Size picture, Size cursor) {
  const int b = RoundHalfEven(cursor.height / 4.0);
  const int a = picture.width < 200 ? RoundHalfEven(cursor.width / 2.0) : 0;
  return {a, b};
}

namespace {

// The start offset along one axis: how far the first cell lies before the picture's edge so
// that the grid is centred.
int StartOffset(int pictureSide, int cursorSide) {
  long long t = static_cast<long long>(pictureSide) - cursorSide;
  if (t < 0) t = static_cast<long long>(pictureSide) + cursorSide;
  const int c = RoundHalfEven(static_cast<double>(t) / 2.0);
  const int k = RoundHalfEven(static_cast<double>(c) / cursorSide);
  int offset = static_cast<int>(c - static_cast<long long>(k) * cursorSide);
  if (offset >= cursorSide) offset -= cursorSide;
  if (offset < 0) offset = -offset;
  return offset;
}

// One grid: `rowOffset(row)` is the left offset of that row.
void Grid(Size picture, Size cursor, int oy, const std::function<int(int row)>& rowOffset,
          const std::function<bool(int, int)>& isWhite, const std::function<void(Point)>& stamp) {
  // Coordinates in long long: a row or column may reach one cursor beyond the picture.
  int row = 0;
  for (long long y = 0; y - oy <= picture.height; y += cursor.height, ++row) {
    const int rx = rowOffset(row);
    const int sy = y >= picture.height ? picture.height - 1 : static_cast<int>(y);
    for (long long x = 0; x - rx <= picture.width; x += cursor.width) {
      const int sx = x >= picture.width ? picture.width - 1 : static_cast<int>(x);
      if (isWhite(sx, sy)) stamp({static_cast<int>(x - rx), static_cast<int>(y - oy)});
    }
  }
}

}  // namespace

void ForEachArrangementCell(Size picture, Size cursor, ArrangementOptions options,
                            const std::function<bool(int x, int y)>& isWhite,
                            const std::function<void(Point corner)>& stamp) {
  // An empty cursor image has no cells rather than a division by its zero size.
  if (picture.width <= 0 || picture.height <= 0 || cursor.width <= 0 || cursor.height <= 0) return;
  const int ox = StartOffset(picture.width, cursor.width);
  const int oy = StartOffset(picture.height, cursor.height);
  const int halfW = cursor.width / 2;
  // Alternate rows only count while the second grid is off.
  const bool shiftOddRows = options.alternateRows && !options.doubleDensity;
  Grid(picture, cursor, oy, [&](int row) { return shiftOddRows && row % 2 == 1 ? ox + halfW : ox; }, isWhite,
       stamp);
  if (options.doubleDensity) {
    Grid(picture, cursor, oy + cursor.height / 2, [&](int) { return ox + halfW; }, isWhite, stamp);
  }
}
