#include "gui/widgets/button_rings.h"

#include <QList>

#include <cmath>

#include "gui/platform/system_colours.h"

namespace lumo {

namespace button_rings {
namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kInsets[4] = {0, 1, 2, 4};

// The last pixel column and row of the client area.
struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

int Round(double v) { return static_cast<int>(v + 0.5); }

void BuildRectangles(Rings& rings, const Box& r) {
  for (int k = 0; k < 4; ++k) {
    const int d = kInsets[k];
    rings[k] = {{r.left + d, r.top + d}, {r.right - d, r.top + d}, {r.right - d, r.bottom - d},
                {r.left + d, r.bottom - d}};
  }
}

Box Squared(Box r) {
  if (r.right > r.bottom) {
    const int s = (r.right - r.bottom) / 2;
    r.left = s;
    r.right = r.bottom + s;
  } else {
    const int s = (r.bottom - r.right) / 2;
    r.top = s;
    r.bottom = r.right + s;
  }
  return r;
}

void AddArc(Ring& ring, QPointF centre, double radius, int from, int to, int n, double start) {
  for (int i = from; i <= to; ++i) {
    const double phi = i * kTwoPi / n + start;
    ring.push_back({Round(std::cos(phi) * radius + centre.x()), Round(std::sin(phi) * radius + centre.y())});
  }
}

bool BuildCircles(Rings& rings, const Box& r) {
  const int cx = r.left + (r.right - r.left) / 2;
  const int cy = r.top + (r.bottom - r.top) / 2;
  const int r0 = r.right > r.bottom ? cy : cx;
  const int n = r0;
  if (n < 1) return false;
  for (int k = 0; k < 4; ++k) AddArc(rings[k], QPointF(cx, cy), r0 - kInsets[k], 0, n - 1, n, 0.0);
  return true;
}

bool BuildPills(Rings& rings, const Box& r) {
  const bool wide = r.right > r.bottom;
  const int m = wide ? r.top + (r.bottom - r.top) / 2 : r.left + (r.right - r.left) / 2;
  const QPointF first = wide ? QPointF(r.right - m, m) : QPointF(m, r.bottom - m);
  const QPointF second(m, m);
  const double start = wide ? 4.71238898038469 : 0.0;
  const int n = m;
  if (n < 1) return false;
  const int h = n / 2;
  for (int k = 0; k < 4; ++k) {
    AddArc(rings[k], first, m - kInsets[k], 0, h, n, start);
    AddArc(rings[k], second, m - kInsets[k], h, n, n, start);
  }
  return true;
}

void CloseRings(Rings& rings) {
  for (Ring& ring : rings) {
    if (!ring.empty() && ring.back() != ring.front()) ring.push_back(ring.front());
  }
}

}  // namespace

Rings Build(int shape, QSize client) {
  Rings rings;
  const Box r{0, 0, client.width() - 1, client.height() - 1};
  bool built = true;
  switch (shape) {
    case Rectangle: BuildRectangles(rings, r); break;
    case Square: BuildRectangles(rings, Squared(r)); break;
    case Circle: built = BuildCircles(rings, r); break;
    case Pill: built = BuildPills(rings, r); break;
    default: return rings;
  }
  if (!built) {
    rings = {};
    BuildRectangles(rings, r);
  }
  CloseRings(rings);
  return rings;
}

bool Valid(const Rings& rings) {
  if (rings[0].empty()) return false;
  for (int k = 1; k < 4; ++k) {
    if (rings[k].size() != rings[0].size()) return false;
  }
  return true;
}

QRegion MakeRegion(const Ring& ring) {
  if (ring.empty()) return {};
  return QRegion(QPolygon(QList<QPoint>(ring.begin(), ring.end())), Qt::OddEvenFill);
}

QRgb SegmentColour(QPoint p1, QPoint p2, QRgb a, QRgb b) {
  double theta = std::atan2(p1.x() - p2.x(), p2.y() - p1.y());
  if (theta < 0) theta += kTwoPi;
  const double d = (std::cos(std::abs(2.356194490192345 - (kTwoPi - theta))) + 1) * 0.5;
  return lumo::MixColours(b, a, d);
}

}  // namespace button_rings

}  // namespace lumo
