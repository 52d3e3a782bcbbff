#include "output/print_fit.h"

namespace {

constexpr int GridSide = 4;

// Cut toward zero; the fitted sizes never exceed the page, so they fit into int.
int Trunc(float value) { return static_cast<int>(value); }

}  // namespace

std::optional<PrintedSize> FitToPage(Size picture, Size page) {
  if (picture.width <= 0 || picture.height <= 0 || page.width <= 0 || page.height <= 0) return std::nullopt;
  float w = static_cast<float>(picture.width);
  float h = static_cast<float>(picture.height);
  const float r = w / h;
  const auto pw = static_cast<float>(page.width);
  const auto ph = static_cast<float>(page.height);
  // Smaller both ways: enlarged along its longer side, then held within the page below.
  if (pw > w && ph > h) {
    if (h <= w) {
      w = pw;
      h = pw / r;
    } else {
      h = ph;
      w = ph * r;
    }
  }
  if (pw < w) {
    w = pw;
    h = pw / r;
  }
  if (ph < h) {
    h = ph;
    w = ph * r;
  }
  return PrintedSize{w, h};
}

std::vector<Edges> PrintCells(Size picture, Size page, PrintLayout layout) {
  const auto fitted = FitToPage(picture, page);
  if (!fitted) return {};
  if (layout == PrintLayout::OnePage) return {{0, 0, Trunc(fitted->width), Trunc(fitted->height)}};
  const float w = fitted->width / GridSide;
  const float h = fitted->height / GridSide;
  std::vector<Edges> cells;
  cells.reserve(GridSide * GridSide);
  for (int row = 0; row < GridSide; ++row) {
    for (int column = 0; column < GridSide; ++column) {
      cells.push_back({Trunc(static_cast<float>(column) * w), Trunc(static_cast<float>(row) * h),
                       Trunc(static_cast<float>(column + 1) * w), Trunc(static_cast<float>(row + 1) * h)});
    }
  }
  return cells;
}
