#include "widgets/round_button.h"

#include <QPainter>
#include <QRegion>
#include <QResizeEvent>

#include <cmath>

#include "platform/gdi_canvas.h"

RoundButton::RoundButton(QWidget* parent) : RoundButton(QString(), parent) {}

RoundButton::RoundButton(const QString& text, QWidget* parent) : QPushButton(text, parent) { Shape(); }

void RoundButton::Shape() {
  const RoundButtonGeometry geometry = Geometry();
  if (geometry.size != size()) {
    resize(geometry.size);  // comes back here through resizeEvent
    return;
  }
  setMask(QRegion(QRect(QPoint(0, 0), geometry.size), QRegion::Ellipse));
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
