#pragma once
#include <optional>
#include <vector>

#include "common/geometry.h"

// Where the printed picture lies on the printable area of a page, in printer pixels from the
// area's top-left corner.

// The picture's printed size in single precision, as the printing has always computed it
// (results such as 3999.9998 truncate to the pixel below). Nothing for an empty picture or page.
struct PrintedSize {
  float width = 0;
  float height = 0;
  friend bool operator==(const PrintedSize&, const PrintedSize&) = default;
};
std::optional<PrintedSize> FitToPage(Size picture, Size page);

enum class PrintLayout { OnePage, Grid4x4 };

// The rectangles the whole picture is stretched into: one at the top-left corner, or sixteen
// cells of a quarter of the fitted size, row by row, that tile the fitted area without gaps.
// Empty when there is nothing to print.
std::vector<Edges> PrintCells(Size picture, Size page, PrintLayout layout);
