#include "gui/widgets/shaped_button_renderer.h"

#include "gui/platform/gdi_canvas.h"

namespace lumo {

namespace {

constexpr QRgb kBlack = 0xFF000000u;

}  // namespace

ShapedButtonRenderer::ShapedButtonRenderer(const button_rings::Rings& rings, const lumo::SystemColours& colours,
                                           bool flat)
    : rings_(rings), colours_(colours), flat_(flat) {}

ShapedButtonImages ShapedButtonRenderer::Render(QSize size, const QFont& font, const QString& caption,
                                                bool disabled) const {
  return {RenderLook(Look::Normal, size, font, caption, disabled),
          RenderLook(Look::Focus, size, font, caption, disabled),
          RenderLook(Look::Pressed, size, font, caption, disabled)};
}

QImage ShapedButtonRenderer::RenderLook(Look look, QSize size, const QFont& font, const QString& caption,
                                        bool disabled) const {
  GdiCanvas canvas(size);
  canvas.SelectFont(font);
  canvas.SelectNullBrush();
  canvas.FillRect({0, 0, size.width(), size.height()}, colours_.face);
  DrawRim(canvas, look);
  DrawCaption(canvas, look, size, caption, disabled);
  return canvas.TakeImage();
}

void ShapedButtonRenderer::DrawRim(GdiCanvas& canvas, Look look) const {
  canvas.SaveDC();
  canvas.SelectPen(colours_.face);
  canvas.SelectBrush(colours_.face);
  const std::size_t segments = rings_[0].size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    if (flat_) {
      DrawFlatSegment(canvas, look, i);
    } else {
      DrawRaisedSegment(canvas, look, i);
    }
  }
  if (look != Look::Normal) {
    // The dark outer edge and a soft line on the innermost ring.
    const QRgb soft = lumo::MixColours(colours_.face, colours_.shadow, 0.5);
    for (std::size_t i = 0; i < segments; ++i) Edge(canvas, i, 0, colours_.darkShadow);
    for (std::size_t i = 0; i < segments; ++i) Edge(canvas, i, 3, soft);
  }
  canvas.RestoreDC();
}

void ShapedButtonRenderer::DrawRaisedSegment(GdiCanvas& canvas, Look look, std::size_t i) const {
  const auto& c = colours_;
  if (look == Look::Pressed) {
    Quad(canvas, i, 1, 0, lumo::MixColours(c.shadow, c.darkShadow, 0.5));
    Edge(canvas, i, 1, c.shadow);
    return;
  }
  const int innerRing = look == Look::Normal ? 1 : 2;
  const int outerRing = look == Look::Normal ? 0 : 1;
  const QRgb inner = Segment(i, innerRing, c.shadow, c.light);
  const QRgb outer = Segment(i, outerRing, c.darkShadow, c.highlight);
  Quad(canvas, i, innerRing, 0, lumo::MixColours(inner, outer, 0.5));
  Edge(canvas, i, innerRing, inner);
  if (look == Look::Normal) {
    Edge(canvas, i, 0, outer);
  } else {
    Quad(canvas, i, 1, 0, outer);
  }
}

void ShapedButtonRenderer::DrawFlatSegment(GdiCanvas& canvas, Look look, std::size_t i) const {
  const auto& c = colours_;
  if (look == Look::Normal) {
    Quad(canvas, i, 1, 0, lumo::MixColours(c.highlight, c.darkShadow, 0.5));
    Edge(canvas, i, 1, c.highlight);
    Edge(canvas, i, 0, c.darkShadow);
    return;
  }
  const QRgb band = look == Look::Focus ? lumo::MixColours(c.highlight, c.darkShadow, 0.5)
                                        : lumo::MixColours(c.shadow, c.darkShadow, 0.5);
  Quad(canvas, i, 2, 0, band);
  Edge(canvas, i, 2, c.highlight);
  Quad(canvas, i, 1, 0, c.darkShadow);
}

void ShapedButtonRenderer::Quad(GdiCanvas& canvas, std::size_t i, int a, int b, QRgb colour) const {
  canvas.SelectPen(colour);
  canvas.SelectBrush(colour);
  canvas.Polygon({rings_[a][i], rings_[a][i + 1], rings_[b][i + 1], rings_[b][i]});
}

// Both ends set: the line leaves out its end point.
void ShapedButtonRenderer::Edge(GdiCanvas& canvas, std::size_t i, int k, QRgb colour) const {
  const QPoint from = rings_[k][i + 1];
  const QPoint to = rings_[k][i];
  canvas.SelectPen(colour);
  canvas.MoveTo(from.x(), from.y());
  canvas.LineTo(to.x(), to.y());
  canvas.SetPixel(to.x(), to.y(), colour);
}

QRgb ShapedButtonRenderer::Segment(std::size_t i, int k, QRgb a, QRgb b) const {
  return button_rings::SegmentColour(rings_[k][i], rings_[k][i + 1], a, b);
}

void ShapedButtonRenderer::DrawCaption(GdiCanvas& canvas, Look look, QSize size, const QString& caption,
                                       bool disabled) const {
  if (caption.isEmpty()) return;
  canvas.SelectClip(button_rings::MakeRegion(rings_[3]));
  const QSize extent = canvas.TextExtent(caption);
  QPoint at(size.width() / 2 - extent.width() / 2 - 1, size.height() / 2 - extent.height() / 2 - 1);
  if (look == Look::Pressed) at += QPoint(1, 1);
  if (disabled) {
    canvas.DrawDisabledText(at, caption, colours_.highlight, colours_.shadow);
  } else {
    // The memory context's text colour is never set: black, whatever the palette.
    canvas.DrawCentredText({at.x(), at.y(), at.x() + extent.width(), at.y() + extent.height()}, caption, kBlack);
  }
  canvas.ClearClip();
}

}  // namespace lumo
