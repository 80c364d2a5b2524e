#pragma once

#include <QPoint>
#include <QRgb>

namespace lumo {

class GdiCanvas;

// The pixel routines of the round button's rim: a light from the upper left
// shades each rim pixel by its direction from the centre of its circle.
namespace round_rim {

// The colour of a rim pixel whose direction from its centre is `theta`
// radians (screen coordinates: 0 to the right, positive downwards): `lit`
// facing the light (theta = -1.88), `unlit` facing away, mixed by the
// cosine between, each channel truncated.
QRgb Shade(double theta, QRgb lit, QRgb unlit);

// The whole circle of radius `r` around `centre`, one pixel wide; `dashed`
// draws every other step of the circle stepping only.
void DrawCircle(lumo::GdiCanvas& canvas, QPoint centre, int r, QRgb colour, bool dashed);

// One half of a dashed circle (the focus mark of an elongated button).
void DrawDashedHalf(lumo::GdiCanvas& canvas, QPoint centre, int r, QRgb colour, bool leftHalf);

// The right and left halves of a shaded rim circle.
void RightHalf(lumo::GdiCanvas& canvas, QPoint centre, int r, QRgb lit, QRgb unlit);
void LeftHalf(lumo::GdiCanvas& canvas, QPoint centre, int r, QRgb lit, QRgb unlit);

}  // namespace round_rim

}  // namespace lumo
