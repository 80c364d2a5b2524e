#include "gui/widgets/round_button_painter.h"

#include <QRegion>

#include "gui/platform/gdi_canvas.h"
#include "gui/widgets/round_rim.h"

namespace lumo {

namespace {

constexpr QRgb kBlack = 0xFF000000u;

}  // namespace

RoundButtonGeometry RoundButtonGeometry::ForClientSize(QSize client) {
  RoundButtonGeometry g;
  const int right = client.width();
  g.stretched = client.width() > client.height();
  // A button no wider than tall becomes a square of its width.
  const int bottom = g.stretched ? client.height() : right;
  g.size = QSize(right, bottom);
  g.centre = QPoint(right / 2, bottom / 2);
  g.radius = bottom / 2 - 1;
  g.leftCentre = QPoint(g.radius, g.centre.y());
  g.rightCentre = QPoint(right - g.radius - 1, g.centre.y());
  return g;
}

RoundButtonPainter::RoundButtonPainter(const RoundButtonGeometry& geometry, const lumo::SystemColours& colours)
    : geometry_(geometry), colours_(colours) {}

void RoundButtonPainter::Draw(GdiCanvas& canvas, const RoundButtonState& state, const QString& caption) const {
  canvas.SaveDC();
  canvas.SelectNullBrush();
  canvas.FillRect({0, 0, canvas.Size().width(), canvas.Size().height()}, colours_.face);
  int r = geometry_.radius;
  const bool circleFocus = state.focused && !geometry_.stretched;
  if (circleFocus) round_rim::DrawCircle(canvas, geometry_.centre, r--, kBlack, false);
  if (state.flat) {
    r = DrawFlatRim(canvas, r);
  } else {
    DrawShadedRim(canvas, r, state.pressed);
  }
  DrawCaption(canvas, r, state, caption);
  if (circleFocus) round_rim::DrawCircle(canvas, geometry_.centre, r - 2, kBlack, true);
  if (state.focused && geometry_.stretched) DrawElongatedFocus(canvas, geometry_.radius - 2);
  canvas.RestoreDC();
}

// Returns the radius left inside the rim.
int RoundButtonPainter::DrawFlatRim(GdiCanvas& canvas, int r) const {
  const int lx = geometry_.leftCentre.x();
  const int rx = geometry_.rightCentre.x();
  if (!geometry_.stretched) {
    round_rim::DrawCircle(canvas, geometry_.centre, r, colours_.darkShadow, false);
    round_rim::DrawCircle(canvas, geometry_.centre, r - 1, colours_.highlight, false);
    return r - 2;
  }
  canvas.SaveDC();
  canvas.SelectPen(colours_.darkShadow);
  GdiRect left{0, 0, 2 * r, 2 * r};
  GdiRect right{rx - r, 0, rx + r, 2 * r};
  canvas.Arc(left, {lx, 0}, {lx, 2 * r});
  canvas.Arc(right, {rx, 2 * r}, {rx, 0});
  for (int y : {0, 2 * r - 1}) {
    canvas.MoveTo(lx, y);
    canvas.LineTo(rx, y);
  }
  --r;
  left = {left.left + 1, left.top + 1, left.right - 1, left.bottom - 1};
  right = {right.left + 1, right.top + 1, right.right - 1, right.bottom - 1};
  canvas.SelectPen(colours_.highlight);
  canvas.Arc(left, {lx, 1}, {lx, 2 * r});
  canvas.Arc(right, {rx, 2 * r}, {rx, 0});
  for (int y : {1, 2 * r}) {
    canvas.MoveTo(lx, y);
    canvas.LineTo(rx, y);
  }
  canvas.RestoreDC();
  return r;
}

void RoundButtonPainter::DrawShadedRim(GdiCanvas& canvas, int r, bool pressed) const {
  const auto& c = colours_;
  const QRgb outerLit = pressed ? c.darkShadow : c.highlight;
  const QRgb outerUnlit = pressed ? c.highlight : c.darkShadow;
  const QRgb innerLit = pressed ? c.shadow : c.light;
  const QRgb innerUnlit = pressed ? c.light : c.shadow;
  round_rim::LeftHalf(canvas, geometry_.leftCentre, r, outerLit, outerUnlit);
  round_rim::RightHalf(canvas, geometry_.rightCentre, r, outerLit, outerUnlit);
  round_rim::LeftHalf(canvas, geometry_.leftCentre, r - 1, innerLit, innerUnlit);
  round_rim::RightHalf(canvas, geometry_.rightCentre, r - 1, innerLit, innerUnlit);
  if (!geometry_.stretched) return;
  if (pressed) {
    DrawSunkenEdges(canvas, r);
  } else {
    DrawRaisedEdges(canvas, r);
  }
}

void RoundButtonPainter::DrawSunkenEdges(GdiCanvas& canvas, int r) const {
  const int cy = geometry_.leftCentre.y();
  DrawEdge(canvas, 1, colours_.darkShadow);
  DrawEdge(canvas, 2, colours_.shadow);
  DrawEdge(canvas, cy + r - 1, colours_.light);
  DrawEdge(canvas, cy + r, colours_.highlight);
}

// The straight edges continue the shading of the left end's top and bottom.
void RoundButtonPainter::DrawRaisedEdges(GdiCanvas& canvas, int r) const {
  const int cy = geometry_.leftCentre.y();
  for (int y : {1, 2, cy + r, cy + r - 1}) DrawEdge(canvas, y, canvas.GetPixel(geometry_.leftCentre.x(), y));
}

void RoundButtonPainter::DrawEdge(GdiCanvas& canvas, int y, QRgb colour) const {
  canvas.SaveDC();
  canvas.SelectPen(colour);
  canvas.MoveTo(geometry_.leftCentre.x(), y);
  canvas.LineTo(geometry_.rightCentre.x(), y);
  canvas.RestoreDC();
}

void RoundButtonPainter::DrawCaption(GdiCanvas& canvas, int r, const RoundButtonState& state,
                                     const QString& caption) const {
  if (caption.isEmpty()) return;
  const QPoint c = geometry_.centre;
  if (geometry_.stretched) {
    canvas.SelectClip(QRegion(GdiRect{geometry_.leftCentre.x() - r / 2, c.y() - r,
                                      geometry_.rightCentre.x() + r / 2, c.y() + r}
                                  .ToQRect()));
  } else {
    canvas.SelectClip(QRegion(GdiRect{c.x() - r, c.y() - r, c.x() + r, c.y() + r}.ToQRect(), QRegion::Ellipse));
  }
  const QSize extent = canvas.TextExtent(caption);
  QPoint at(c.x() - extent.width() / 2, c.y() - extent.height() / 2);
  if (state.pressed) at += QPoint(1, 1);
  if (state.disabled) {
    canvas.DrawDisabledText(at, caption, colours_.highlight, colours_.shadow);
  } else {
    canvas.TextOut(at, caption, colours_.highlight);
    canvas.TextOut(at - QPoint(1, 1), caption, colours_.darkShadow);
  }
  canvas.ClearClip();
}

void RoundButtonPainter::DrawElongatedFocus(GdiCanvas& canvas, int r) const {
  if (r < 1) return;
  const QPoint left = geometry_.leftCentre;
  const QPoint right = geometry_.rightCentre;
  round_rim::DrawDashedHalf(canvas, left, r, kBlack, true);
  round_rim::DrawDashedHalf(canvas, right, r, kBlack, false);
  for (int x = left.x() + 2; x < right.x(); x += 2) {
    canvas.SetPixel(x, left.y() - r, kBlack);
    canvas.SetPixel(x, left.y() + r, kBlack);
  }
}

}  // namespace lumo
