#pragma once

#include <QFont>
#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>

#include "gui/platform/system_colours.h"
#include "gui/widgets/button_rings.h"

namespace lumo {

class GdiCanvas;

// The three looks of a shaped button, each the size of the button.
struct ShapedButtonImages {
  QImage normal;
  QImage focus;
  QImage pressed;
};

// Draws a shaped button's three images from its rings: the face, the rim
// bevelled segment by segment (each edge shaded by its direction, as if lit
// from the upper left) and the caption clipped to the innermost ring.
class ShapedButtonRenderer {
 public:
  // The rings must be valid (button_rings::Valid) and fit `size`.
  ShapedButtonRenderer(const button_rings::Rings& rings, const lumo::SystemColours& colours, bool flat);

  ShapedButtonImages Render(QSize size, const QFont& font, const QString& caption, bool disabled) const;

 private:
  enum class Look { Normal, Focus, Pressed };

  QImage RenderLook(Look look, QSize size, const QFont& font, const QString& caption, bool disabled) const;
  void DrawRim(lumo::GdiCanvas& canvas, Look look) const;
  void DrawRaisedSegment(lumo::GdiCanvas& canvas, Look look, std::size_t i) const;
  void DrawFlatSegment(lumo::GdiCanvas& canvas, Look look, std::size_t i) const;
  void Quad(lumo::GdiCanvas& canvas, std::size_t i, int a, int b, QRgb colour) const;
  void Edge(lumo::GdiCanvas& canvas, std::size_t i, int k, QRgb colour) const;
  QRgb Segment(std::size_t i, int k, QRgb a, QRgb b) const;
  void DrawCaption(lumo::GdiCanvas& canvas, Look look, QSize size, const QString& caption, bool disabled) const;

  const button_rings::Rings& rings_;
  lumo::SystemColours colours_;
  bool flat_;
};

}  // namespace lumo
