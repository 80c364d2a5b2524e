#pragma once

#include <QPoint>
#include <QPolygon>
#include <QRegion>
#include <QRgb>
#include <QSize>

#include <array>
#include <vector>

namespace lumo {

// The outlines of a shaped button and the colours of its bevel.
namespace button_rings {

// The outline a shaped button takes.
enum ButtonShape { Rectangle = 0, Square = 1, Circle = 2, Pill = 3 };

// Ring 0 is the button's outer edge; rings 1, 2 and 3 lie 1, 2 and 4 pixels
// further in. All four have as many points, run clockwise on the screen and
// end with their first point again.
using Ring = std::vector<QPoint>;
using Rings = std::array<Ring, 4>;

// The rings of a button of `client` pixels. A shape outside the four gives
// empty rings; a circle or pill too small to have a point per pixel of its
// radius (radius under 1) gets the rectangle's rings instead.
Rings Build(int shape, QSize client);

// Ring 0 has points and the other rings have as many.
bool Valid(const Rings& rings);

// The polygon of one ring (even-odd filling); empty for an empty ring.
QRegion MakeRegion(const Ring& ring);

// The colour of the edge from p1 to p2: `b` where it runs up and to the
// right, `a` where it runs down and to the left, mixed by the cosine between.
// On clockwise rings the top and left edges come out near `b`.
QRgb SegmentColour(QPoint p1, QPoint p2, QRgb a, QRgb b);

}  // namespace button_rings

}  // namespace lumo
