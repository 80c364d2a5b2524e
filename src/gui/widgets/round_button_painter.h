#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

#include "gui/platform/system_colours.h"

namespace lumo {

class GdiCanvas;

// Where a round button's rim lies, worked out from its client size.
struct RoundButtonGeometry {
  QSize size;           // the client size; squared (height = width) unless stretched
  QPoint centre;        // centre of the (squared) client rectangle
  QPoint leftCentre;    // centre of the left rounded end: (radius, centre y)
  QPoint rightCentre;   // centre of the right one: (width - radius - 1, centre y)
  int radius = 0;       // height / 2 - 1
  bool stretched = false;  // wider than tall: two half circles joined by straight edges

  static RoundButtonGeometry ForClientSize(QSize client);
};

// How the button is to look at one draw.
struct RoundButtonState {
  bool pressed = false;
  bool disabled = false;
  bool focused = false;
  bool flat = false;
};

// Draws a whole round button onto a canvas of its client size: the face, the
// rim shaded as if lit from the upper left (sunken while pressed), the
// engraved caption and the focus mark. Elongated buttons get a dashed focus
// outline one pixel inside the rim's inner ring, so that the keyboard user
// can see which button Enter or Space will press.
class RoundButtonPainter {
 public:
  RoundButtonPainter(const RoundButtonGeometry& geometry, const lumo::SystemColours& colours);

  // `caption` may hold one "&" before its mnemonic letter.
  void Draw(lumo::GdiCanvas& canvas, const RoundButtonState& state, const QString& caption) const;

 private:
  int DrawFlatRim(lumo::GdiCanvas& canvas, int r) const;
  void DrawShadedRim(lumo::GdiCanvas& canvas, int r, bool pressed) const;
  void DrawSunkenEdges(lumo::GdiCanvas& canvas, int r) const;
  void DrawRaisedEdges(lumo::GdiCanvas& canvas, int r) const;
  void DrawEdge(lumo::GdiCanvas& canvas, int y, QRgb colour) const;
  void DrawCaption(lumo::GdiCanvas& canvas, int r, const RoundButtonState& state, const QString& caption) const;
  void DrawElongatedFocus(lumo::GdiCanvas& canvas, int r) const;

  RoundButtonGeometry geometry_;
  lumo::SystemColours colours_;
};

}  // namespace lumo
