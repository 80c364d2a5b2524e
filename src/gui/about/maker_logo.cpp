#include "gui/about/maker_logo.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace lumo {

namespace artwork {
namespace {

// One leaflet: a leaf shape from `base` along `angle` degrees.
void PaintLeaflet(QPainter& painter, QPointF base, double length, double angle) {
  QPainterPath leaf;
  leaf.moveTo(0, 0);
  leaf.quadTo(length * 0.5, -length * 0.28, length, 0);
  leaf.quadTo(length * 0.5, length * 0.28, 0, 0);
  painter.save();
  painter.translate(base);
  painter.rotate(angle);
  painter.drawPath(leaf);
  painter.restore();
}

// A frond that curls to the right: a curved stem with leaflets that shrink
// towards the tip.
void PaintFrond(QPainter& painter) {
  constexpr int kPairs = 11;
  const QPointF root(52, 100), tip(70, 8);
  painter.setPen(QPen(QColor(30, 90, 40), 2.2));
  QPainterPath stem;
  stem.moveTo(root);
  stem.quadTo(QPointF(20, 50), tip);
  painter.drawPath(stem);
  painter.setPen(QPen(QColor(25, 80, 35), 0.8));
  for (int i = 1; i <= kPairs; ++i) {
    const double t = static_cast<double>(i) / (kPairs + 1);
    const QPointF at = stem.pointAtPercent(t);
    const double along = stem.angleAtPercent(t);
    const double length = 34.0 * (1.0 - t * 0.8);
    painter.setBrush(QColor(60 + i * 8, 150 + i * 5, 60));
    PaintLeaflet(painter, at, length, -along - 60);
    PaintLeaflet(painter, at, length, -along + 60 - 180);
  }
}

void PaintName(QPainter& painter) {
  QFont big(QStringLiteral("Sans Serif"));
  big.setPixelSize(34);
  big.setBold(true);
  painter.setFont(big);
  painter.setPen(QColor(30, 90, 40));
  painter.drawText(QRect(110, 14, 215, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brightfern"));
  QFont small(QStringLiteral("Sans Serif"));
  small.setPixelSize(20);
  painter.setFont(small);
  painter.setPen(QColor(70, 70, 80));
  painter.drawText(QRect(112, 58, 215, 30), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Software"));
}

}  // namespace

QImage MakerLogo() {
  QImage logo(kMakerLogoWidth, kMakerLogoHeight, QImage::Format_RGB32);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kMakerLogoHeight);
  sky.setColorAt(0, QColor(250, 252, 245));
  sky.setColorAt(1, QColor(215, 235, 205));
  painter.fillRect(logo.rect(), sky);
  PaintFrond(painter);
  PaintName(painter);
  return logo;
}

}  // namespace artwork

}  // namespace lumo
