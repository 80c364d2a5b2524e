#include "gui/widgets/round_button.h"

#include <QPainter>
#include <QRegion>
#include <QResizeEvent>

#include <cmath>

#include "gui/platform/gdi_canvas.h"

namespace lumo {

namespace {

// The drawn outline of an elongated button: its two end circles and the band
// between them, half a pixel beyond the rim. (The ellipse of the whole
// rectangle would cut away nearly all of each rounded end.)
QRegion PillRegion(const RoundButtonGeometry& g) {
  const int r = g.radius + 1;
  const QRect left(g.leftCentre.x() - r, g.centre.y() - r, 2 * r + 1, 2 * r + 1);
  const QRect right = left.translated(g.rightCentre.x() - g.leftCentre.x(), 0);
  return QRegion(left, QRegion::Ellipse)
      .united(QRegion(right, QRegion::Ellipse))
      .united(QRect(QPoint(g.leftCentre.x(), left.top()), QPoint(g.rightCentre.x(), left.bottom())));
}

}  // namespace

RoundButton::RoundButton(QWidget* parent) : RoundButton(QString(), parent) {}

RoundButton::RoundButton(const QString& text, QWidget* parent) : QPushButton(text, parent) { Shape(); }

void RoundButton::Shape() {
  const RoundButtonGeometry geometry = Geometry();
  if (geometry.size != size()) {
    resize(geometry.size);  // comes back here through resizeEvent
    return;
  }
  setMask(geometry.stretched ? PillRegion(geometry) : QRegion(QRect(QPoint(0, 0), geometry.size), QRegion::Ellipse));
}

void RoundButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  Shape();
}

RoundButtonState RoundButton::State() const { return {isDown(), !isEnabled(), hasFocus(), isFlat()}; }

QImage RoundButton::Render(qreal ratio) const {
  // Drawn at the screen's own resolution: rims one device pixel wide.
  const QSize pixels(static_cast<int>(std::ceil(width() * ratio)), static_cast<int>(std::ceil(height() * ratio)));
  lumo::GdiCanvas canvas(pixels);
  canvas.SelectFont(lumo::GdiCanvas::FontForDevice(font(), logicalDpiY(), ratio));
  const RoundButtonPainter painter(RoundButtonGeometry::ForClientSize(pixels),
                                   lumo::SystemColours::FromPalette(palette()));
  painter.Draw(canvas, State(), text());
  QImage image = canvas.TakeImage();
  image.setDevicePixelRatio(ratio);
  return image;
}

void RoundButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), Render(devicePixelRatio()));
}

}  // namespace lumo
