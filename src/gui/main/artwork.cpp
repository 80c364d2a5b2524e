#include "gui/main/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QConicalGradient>

#include <cmath>

namespace lumo {

namespace artwork {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The disc's silver face with a rainbow sheen turned by `angle` degrees.
void PaintDisc(QPainter& painter, QPointF centre, double radius, double angle) {
  QConicalGradient sheen(centre, angle);
  sheen.setColorAt(0.00, QColor(225, 225, 235));
  sheen.setColorAt(0.12, QColor(170, 200, 255));
  sheen.setColorAt(0.25, QColor(240, 240, 250));
  sheen.setColorAt(0.40, QColor(255, 210, 170));
  sheen.setColorAt(0.55, QColor(215, 215, 225));
  sheen.setColorAt(0.70, QColor(190, 255, 210));
  sheen.setColorAt(0.85, QColor(245, 245, 250));
  sheen.setColorAt(1.00, QColor(225, 225, 235));
  painter.setPen(QPen(QColor(90, 90, 110), std::max(1.0, radius / 24)));
  painter.setBrush(sheen);
  painter.drawEllipse(centre, radius, radius);
  painter.setBrush(QColor(250, 250, 252));
  painter.drawEllipse(centre, radius * 0.34, radius * 0.34);
  painter.setBrush(Qt::white);
  painter.setPen(QPen(QColor(120, 120, 140), 1));
  painter.drawEllipse(centre, radius * 0.12, radius * 0.12);
}

// A light glint that travels round the disc as it spins.
void PaintGlint(QPainter& painter, QPointF centre, double radius, double angle) {
  double rad = angle * kPi / 180.0;
  QPointF at(centre.x() + std::cos(rad) * radius * 0.68, centre.y() - std::sin(rad) * radius * 0.68);
  QRadialGradient glint(at, radius * 0.3);
  glint.setColorAt(0.0, QColor(255, 255, 255, 230));
  glint.setColorAt(1.0, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glint);
  painter.drawEllipse(at, radius * 0.3, radius * 0.3);
}

void PaintNote(QPainter& painter, double size) {
  painter.setPen(QPen(QColor(30, 60, 150), size / 16));
  painter.setBrush(QColor(30, 60, 150));
  painter.drawEllipse(QPointF(size * 0.66, size * 0.86), size * 0.09, size * 0.07);
  painter.drawLine(QPointF(size * 0.745, size * 0.86), QPointF(size * 0.745, size * 0.56));
  painter.drawLine(QPointF(size * 0.745, size * 0.56), QPointF(size * 0.88, size * 0.62));
}

}  // namespace

QImage DiscImage(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  double radius = size * 0.46;
  PaintDisc(painter, QPointF(size / 2.0, size / 2.0), radius, 30);
  PaintGlint(painter, QPointF(size / 2.0, size / 2.0), radius, 135);
  if (size >= 24) PaintNote(painter, size);
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(QPixmap::fromImage(DiscImage(size)));
  return icon;
}

std::vector<QImage> AnimationFrames() {
  std::vector<QImage> frames;
  frames.reserve(kAnimationFrames);
  const QPointF centre(kAnimationWidth / 2.0, kAnimationHeight / 2.0);
  const double radius = kAnimationHeight * 0.45;
  for (int i = 0; i < kAnimationFrames; ++i) {
    QImage frame(kAnimationWidth, kAnimationHeight, QImage::Format_RGB32);
    frame.fill(QColor(0, 0, 0));
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    // One whole turn over the clip, so that the loop is seamless.
    double angle = 360.0 * i / kAnimationFrames;
    PaintDisc(painter, centre, radius, -angle);
    PaintGlint(painter, centre, radius, 90 - angle);
    frames.push_back(frame);
  }
  return frames;
}

}  // namespace artwork

}  // namespace lumo
