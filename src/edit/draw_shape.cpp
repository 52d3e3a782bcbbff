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
  if (picture.Empty()) return;
  const ShapeFigure figure = ShapeGeometry(shape, picture.GetSize(), a, b, divisor);
  {
    PictureDc canvas(picture);
    const UniqueHandle<HPEN, GdiObjectTraits> pen(CreatePen(PS_SOLID, 1, colour));
    const BrushHandle brush(CreateSolidBrush(colour));
    SelectedObject selectedPen(canvas.Get(), pen.Get());
    SelectedObject selectedBrush(canvas.Get(), brush.Get());
    DrawFigure(canvas.Get(), figure);
  }
  GdiFlush();
}
