#include "edit/draw_shape.h"

#include <vector>

#include "edit/shape_geometry.h"
#include "ui/handles.h"

namespace {

void DrawFigure(HDC dc, const ShapeFigure& figure) {
  switch (figure.kind) {
    case ShapeFigure::Kind::Nothing: break;
    case ShapeFigure::Kind::Whole:
      Rectangle(dc, figure.box.left, figure.box.top, figure.box.right, figure.box.bottom);
      break;
    case ShapeFigure::Kind::Ellipse:
      Ellipse(dc, figure.box.left, figure.box.top, figure.box.right, figure.box.bottom);
      break;
    case ShapeFigure::Kind::Pies:
      // The radial points are given counter-clockwise, whatever the DC had.
      SetArcDirection(dc, AD_COUNTERCLOCKWISE);
      for (const PieFigure& pie : figure.pies) {
        Pie(dc, pie.box.left, pie.box.top, pie.box.right, pie.box.bottom, pie.from.x, pie.from.y, pie.to.x, pie.to.y);
      }
      break;
    case ShapeFigure::Kind::Polygon: {
      std::vector<POINT> points;
      points.reserve(figure.points.size());
      for (const Point& p : figure.points) points.push_back({p.x, p.y});
      Polygon(dc, points.data(), static_cast<int>(points.size()));
      break;
    }
  }
}

}  // namespace

void DrawShape(Picture& picture, int shape, int a, int b, COLORREF colour, int divisor) {
  const Bounds whole{0, 0, picture.Width(), picture.Height()};
  DrawShape(picture, shape, a, b, colour, divisor, std::span<const Bounds>(&whole, 1));
}

void DrawShape(Picture& picture, int shape, int a, int b, COLORREF colour, int divisor,
               std::span<const Bounds> parts) {
  if (picture.Empty()) return;
  {
    PictureDc canvas(picture);
    DrawShape(canvas.Get(), picture.GetSize(), shape, a, b, colour, divisor, parts);
  }
  GdiFlush();
}

void DrawShape(HDC dc, Size size, int shape, int a, int b, COLORREF colour, int divisor,
               std::span<const Bounds> parts) {
  if (parts.empty()) return;
  const ShapeFigure figure = ShapeGeometry(shape, size, a, b, divisor);
  // Clipping leaves every pixel inside the parts as the whole figure has it.
  using RegionHandle = UniqueHandle<HRGN, GdiObjectTraits>;
  const RegionHandle clip(CreateRectRgn(0, 0, 0, 0));
  for (const Bounds& part : parts) {
    const RegionHandle rectangle(CreateRectRgn(part.left, part.top, part.Right(), part.Bottom()));
    CombineRgn(clip.Get(), clip.Get(), rectangle.Get(), RGN_OR);
  }
  SelectClipRgn(dc, clip.Get());
  const UniqueHandle<HPEN, GdiObjectTraits> pen(CreatePen(PS_SOLID, 1, colour));
  const BrushHandle brush(CreateSolidBrush(colour));
  SelectedObject selectedPen(dc, pen.Get());
  SelectedObject selectedBrush(dc, brush.Get());
  DrawFigure(dc, figure);
  SelectClipRgn(dc, nullptr);
}
