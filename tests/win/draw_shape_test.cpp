#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "edit/draw_shape.h"

namespace {

constexpr Pixel White = MakePixel(255, 255, 255);
constexpr Pixel Blue = MakePixel(0, 0, 255);

// Pixels within this distance of a figure's edge are left unchecked: GDI's rules for edge pixels
// are its own; everything clearly inside must be drawn and everything clearly outside untouched.
constexpr double Margin = 2.0;

enum class Side { Inside, Outside, Edge };

struct P {
  double x, y;
};

// An ellipse bounded by (l, t, r, b) as GDI bounds it: pixel x spans [x, x + 1).
struct Oval {
  double l, t, r, b;
  double Cx() const { return (l + r) / 2; }
  double Cy() const { return (t + b) / 2; }
  Side Where(P p) const {
    const double rx = (r - l) / 2, ry = (b - t) / 2;
    const double ux = std::abs(p.x - Cx()), uy = std::abs(p.y - Cy());
    const auto norm = [&](double du, double dv) { return (du / rx) * (du / rx) + (dv / ry) * (dv / ry); };
    if (norm(ux + Margin, uy + Margin) <= 1) return Side::Inside;
    if (norm(std::max(ux - Margin, 0.0), std::max(uy - Margin, 0.0)) >= 1) return Side::Outside;
    return Side::Edge;
  }
};

double DistanceToSegment(P p, P a, P b) {
  const double vx = b.x - a.x, vy = b.y - a.y;
  const double len2 = vx * vx + vy * vy;
  const double t = len2 == 0 ? 0 : std::clamp(((p.x - a.x) * vx + (p.y - a.y) * vy) / len2, 0.0, 1.0);
  return std::hypot(p.x - a.x - t * vx, p.y - a.y - t * vy);
}

Side PolygonSide(P p, const std::vector<P>& corners) {
  bool inside = false;
  for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const P a = corners[i], b = corners[j];
    if (DistanceToSegment(p, a, b) < Margin) return Side::Edge;
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
  }
  return inside ? Side::Inside : Side::Outside;
}

// The part of an oval swept counter-clockwise on the screen from the ray toward `from` to the ray
// toward `to`. Counter-clockwise on a screen whose y runs down is clockwise in these angles.
Side PieSide(P p, const Oval& oval, P from, P to) {
  const Side inOval = oval.Where(p);
  if (inOval == Side::Outside) return Side::Outside;
  const P c{oval.Cx(), oval.Cy()};
  const auto angle = [&](P q) { return std::atan2(-(q.y - c.y), q.x - c.x); };
  const double twoPi = 2 * std::acos(-1.0);
  const auto ccw = [&](double a0, double a1) { return std::fmod(a1 - a0 + 2 * twoPi, twoPi); };
  const double start = angle(from);
  const bool inSector = ccw(start, angle(p)) <= ccw(start, angle(to));
  // Near either radius, or near the centre where both meet, the answer is GDI's.
  const auto nearRay = [&](P toward) {
    const double dx = toward.x - c.x, dy = toward.y - c.y;
    const double len = std::hypot(dx, dy);
    const double along = ((p.x - c.x) * dx + (p.y - c.y) * dy) / len;
    return along > -Margin && std::abs((p.x - c.x) * dy - (p.y - c.y) * dx) / len < Margin;
  };
  if (nearRay(from) || nearRay(to)) return Side::Edge;
  if (!inSector) return Side::Outside;
  return inOval;
}

int RoundHalfToEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Where pixel (x, y) lies for figure `shape` on a w × h picture shifted by (a, b), inset by 1/n —
// worked out from the figures' description, not from the drawing code.
Side Expected(int shape, int w, int h, int a, int b, int n, int x, int y) {
  const P p{x + 0.5, y + 0.5};
  if (n <= 0) n = 8;
  const double dx = RoundHalfToEven(static_cast<double>(w) / n), dy = RoundHalfToEven(static_cast<double>(h) / n);
  const double half = RoundHalfToEven(w / 2.0), midY = h / 2;
  switch (shape) {
    case 0: return Side::Inside;
    case 1: return Oval{dx - a, dy - b, w - dx - a, h - dy - b}.Where(p);
    case 2: return PieSide(p, Oval{dx - a, dy - b, w - dx - a, 2.0 * h - 3 * dy - b}, {double(w), midY}, {0, midY});
    case 3: return PolygonSide(p, {{half - a, dy - b}, {dx - a, h - dy - b}, {w - dx - a, h - dy - b}});
    case 4: return PolygonSide(p, {{dx - a, dy - b}, {w - dx - a, dy - b}, {w - dx - a, h - dy - b}, {dx - a, h - dy - b}});
    case 5:
      return PolygonSide(p, {{dx - a, midY - b}, {half - a, dy - b}, {w - dx - a, midY - b},
                             {w - 2 * dx - a, h - dy - b}, {2 * dx - a, h - dy - b}});
    case 6: {
      const double q = RoundHalfToEven((w - 2 * dx) / 4), my = RoundHalfToEven(h / 2.0);
      return PolygonSide(p, {{dx - a, my - b}, {dx + q - a, dy - b}, {w - dx - q - a, dy - b},
                             {w - dx - a, my - b}, {w - dx - q - a, h - dy - b}, {dx + q - a, h - dy - b}});
    }
    case 7: {
      const Oval big{dx - a, 5 * dy - h - b, w - dx - a, h - dy - b};
      const Oval left{dx - a, dy - b, half - a, 3 * dy - b}, right{half - a, dy - b, w - dx - a, 3 * dy - b};
      const P west{0, 2 * dy - b}, east{double(w), 2 * dy - b}, south{half, double(h)};
      const Side parts[] = {PieSide(p, big, west, south), PieSide(p, left, east, west),
                            PieSide(p, right, east, west), PieSide(p, big, south, east)};
      bool edge = false;
      for (const Side side : parts) {
        if (side == Side::Inside) return Side::Inside;
        edge |= side == Side::Edge;
      }
      return edge ? Side::Edge : Side::Outside;
    }
    default: return Side::Outside;
  }
}

struct Case {
  int w, h, a, b, divisor;
};

TEST(DrawShape, EveryFigureCoversWhatItsGeometrySaysAtSeveralSizes) {
  const Case cases[] = {{100, 100, 0, 0, 8}, {160, 90, 16, 8, 4}, {301, 207, 0, 52, 16}, {240, 320, 7, 3, 5}, {120, 80, 10, 20, 0}};
  for (const Case& c : cases) {
    for (int shape = 0; shape <= 8; ++shape) {
      SCOPED_TRACE(testing::Message() << "shape " << shape << " on " << c.w << "x" << c.h << " shifted " << c.a << ","
                                      << c.b << " n=" << c.divisor);
      Picture picture;
      ASSERT_TRUE(picture.Assign(PixelBuffer(c.w, c.h, White)));
      DrawShape(picture, shape, c.a, c.b, RGB(0, 0, 255), c.divisor);
      int inside = 0, outside = 0, wrong = 0;
      for (int y = 0; y < c.h; ++y) {
        for (int x = 0; x < c.w; ++x) {
          const Side side = Expected(shape, c.w, c.h, c.a, c.b, c.divisor, x, y);
          if (side == Side::Edge) continue;
          const Pixel want = side == Side::Inside ? Blue : White;
          (side == Side::Inside ? inside : outside)++;
          if ((picture.Row(y)[x] & 0xFFFFFF) != want && wrong++ < 3) ADD_FAILURE() << "pixel " << x << "," << y;
        }
      }
      EXPECT_EQ(wrong, 0);
      // Every figure of 1..7 is a sizeable hole with a sizeable frame around it.
      if (shape >= 1 && shape <= 7) {
        EXPECT_GT(inside, c.w * c.h / 20);
        EXPECT_GT(outside, c.w * c.h / 10);
      }
    }
  }
}

}  // namespace

namespace {

// Drawn within a few parts, a figure is the whole figure there and nothing anywhere else.
TEST(DrawShape, WithinPartsTheFigureIsTheWholeOneThereAndNothingElsewhere) {
  const std::vector<Bounds> parts{{0, 10, 160, 1}, {0, 40, 160, 3}, {150, 0, 30, 90}, {-20, 85, 50, 20}};
  const auto inPart = [&](int x, int y) {
    for (const Bounds& p : parts) {
      if (x >= p.left && x < p.Right() && y >= p.top && y < p.Bottom()) return true;
    }
    return false;
  };
  for (const int shape : {1, 2, 7}) {
    SCOPED_TRACE(shape);
    Picture whole, within;
    ASSERT_TRUE(whole.Assign(PixelBuffer(160, 90, White)));
    ASSERT_TRUE(within.Assign(PixelBuffer(160, 90, White)));
    DrawShape(whole, shape, 16, 8, RGB(0, 0, 255), 5);
    DrawShape(within, shape, 16, 8, RGB(0, 0, 255), 5, parts);
    int wrong = 0;
    for (int y = 0; y < 90; ++y) {
      for (int x = 0; x < 160; ++x) {
        const Pixel want = inPart(x, y) ? whole.Row(y)[x] & 0xFFFFFF : White;
        wrong += (within.Row(y)[x] & 0xFFFFFF) != want;
      }
    }
    EXPECT_EQ(wrong, 0);
  }
}

}  // namespace
