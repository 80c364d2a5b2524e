#include "gui/widgets/round_rim.h"

#include <cmath>

#include "gui/platform/gdi_canvas.h"
#include "gui/platform/system_colours.h"

namespace lumo {

namespace round_rim {
namespace {

constexpr double kQuarter = 1.570796327;
constexpr double kHalf = 3.141592654;

// Walks one octant of the circle of radius `r` (the midpoint circle), handing
// each step's offsets (x, y), y <= x, and the step's number to `visit`.
template <class Visit>
void StepCircle(int r, Visit visit) {
  int x = r;
  int y = 0;
  int err = -r;
  for (int step = 0; y <= x; ++step) {
    visit(x, y, step);
    err += 2 * y + 1;
    ++y;
    if (err >= 0) {
      --x;
      err -= 2 * x;
    }
  }
}

}  // namespace

QRgb Shade(double theta, QRgb lit, QRgb unlit) {
  double u = -1.88 - theta;
  // 6.293, not two pi: the rim's shading has always been drawn with it.
  if (u < -3.1415) {
    u += 6.293;
  } else if (u > 3.1415) {
    u = 6.293 - u;
  }
  const double d = (std::cos(u) + 1) * 0.5;
  return lumo::MixColours(lit, unlit, d);
}

void DrawCircle(lumo::GdiCanvas& canvas, QPoint c, int r, QRgb colour, bool dashed) {
  StepCircle(r, [&](int x, int y, int step) {
    if (dashed && step % 2 != 0) return;
    for (QPoint p : {QPoint(x, y), QPoint(y, x)}) {
      canvas.SetPixel(c.x() + p.x(), c.y() + p.y(), colour);
      canvas.SetPixel(c.x() - p.x(), c.y() + p.y(), colour);
      canvas.SetPixel(c.x() + p.x(), c.y() - p.y(), colour);
      canvas.SetPixel(c.x() - p.x(), c.y() - p.y(), colour);
    }
  });
}

void DrawDashedHalf(lumo::GdiCanvas& canvas, QPoint c, int r, QRgb colour, bool leftHalf) {
  const int side = leftHalf ? -1 : 1;
  StepCircle(r, [&](int x, int y, int step) {
    if (step % 2 != 0) return;
    for (QPoint p : {QPoint(x, y), QPoint(y, x)}) {
      canvas.SetPixel(c.x() + side * p.x(), c.y() + p.y(), colour);
      canvas.SetPixel(c.x() + side * p.x(), c.y() - p.y(), colour);
    }
  });
}

void RightHalf(lumo::GdiCanvas& canvas, QPoint c, int r, QRgb lit, QRgb unlit) {
  StepCircle(r, [&](int x, int y, int) {
    const double a = std::atan2(y, x);
    canvas.SetPixel(c.x() + x, c.y() + y, Shade(a, lit, unlit));
    canvas.SetPixel(c.x() + y, c.y() + x, Shade(kQuarter - a, lit, unlit));
    canvas.SetPixel(c.x() + y, c.y() - x, Shade(a - kQuarter, lit, unlit));
    canvas.SetPixel(c.x() + x, c.y() - y, Shade(-a, lit, unlit));
  });
}

void LeftHalf(lumo::GdiCanvas& canvas, QPoint c, int r, QRgb lit, QRgb unlit) {
  StepCircle(r, [&](int x, int y, int) {
    const double a = std::atan2(y, x);
    canvas.SetPixel(c.x() - y, c.y() + x, Shade(a + kQuarter, lit, unlit));
    canvas.SetPixel(c.x() - x, c.y() + y, Shade(kHalf - a, lit, unlit));
    canvas.SetPixel(c.x() - x, c.y() - y, Shade(a - kHalf, lit, unlit));
    canvas.SetPixel(c.x() - y, c.y() - x, Shade(-kQuarter - a, lit, unlit));
  });
}

}  // namespace round_rim

}  // namespace lumo
