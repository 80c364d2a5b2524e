#include "gui/platform/gdi_canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

namespace lumo {
namespace {

constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::TextSingleLine;

// Qt measures angles in sixteenths of a degree, counter-clockwise on the
// screen from three o'clock, as Windows arcs run.
int AngleTo(QPointF centre, QPoint point) {
  const double radians = std::atan2(centre.y() - point.y(), point.x() - centre.x());
  return static_cast<int>(std::lround(radians * 180.0 / std::numbers::pi * 16.0));
}

}  // namespace

GdiCanvas::GdiCanvas(QSize size) : image_(size, QImage::Format_RGB32) {
  image_.fill(0xFF000000u);
}

QImage GdiCanvas::TakeImage() { return std::move(image_); }

bool GdiCanvas::Inside(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return false;
  return !state_.clip || state_.clip->contains(QPoint(x, y));
}

void GdiCanvas::Plot(int x, int y, QRgb colour) {
  if (Inside(x, y)) reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = colour | 0xFF000000u;
}

void GdiCanvas::SetPixel(int x, int y, QRgb colour) { Plot(x, y, colour); }

QRgb GdiCanvas::GetPixel(int x, int y) const {
  if (!Inside(x, y)) return kNoColour;
  return image_.pixel(x, y);
}

void GdiCanvas::SelectPen(QRgb colour) { state_.pen = colour; }
void GdiCanvas::SelectNullPen() { state_.pen.reset(); }
void GdiCanvas::SelectBrush(QRgb colour) { state_.brush = colour; }
void GdiCanvas::SelectNullBrush() { state_.brush.reset(); }

void GdiCanvas::MoveTo(int x, int y) { state_.position = QPoint(x, y); }

void GdiCanvas::LineTo(int x, int y) {
  if (state_.pen) Line(state_.position, QPoint(x, y), *state_.pen);
  state_.position = QPoint(x, y);
}

// Bresenham's line, stopping just before the end point.
void GdiCanvas::Line(QPoint from, QPoint to, QRgb colour) {
  const int dx = std::abs(to.x() - from.x());
  const int dy = -std::abs(to.y() - from.y());
  const int sx = from.x() < to.x() ? 1 : -1;
  const int sy = from.y() < to.y() ? 1 : -1;
  int err = dx + dy;
  int x = from.x();
  int y = from.y();
  while (x != to.x() || y != to.y()) {
    Plot(x, y, colour);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void GdiCanvas::Arc(const GdiRect& box, QPoint start, QPoint end) {
  if (!state_.pen || box.right - box.left < 2 || box.bottom - box.top < 2) return;
  const QPointF centre((box.left + box.right - 1) / 2.0, (box.top + box.bottom - 1) / 2.0);
  const int from = AngleTo(centre, start);
  int span = AngleTo(centre, end) - from;
  while (span <= 0) span += 360 * 16;
  QPainter painter(&image_);
  if (state_.clip) painter.setClipRegion(*state_.clip);
  painter.setPen(QPen(QColor::fromRgb(*state_.pen), 0));
  // An aliased one-pixel outline of a w x h box covers w + 1 by h + 1 pixels.
  painter.drawArc(QRect(box.left, box.top, box.right - box.left - 1, box.bottom - box.top - 1), from, span);
}

void GdiCanvas::Polygon(const std::vector<QPoint>& points) {
  if (points.size() < 2) return;
  if (state_.brush) {
    QPainter painter(&image_);
    if (state_.clip) painter.setClipRegion(*state_.clip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(*state_.brush));
    painter.drawPolygon(QPolygon(QList<QPoint>(points.begin(), points.end())), Qt::OddEvenFill);
  }
  if (!state_.pen) return;
  for (std::size_t i = 0; i < points.size(); ++i) Line(points[i], points[(i + 1) % points.size()], *state_.pen);
}

void GdiCanvas::FillRect(const GdiRect& rect, QRgb colour) {
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) Plot(x, y, colour);
  }
}

void GdiCanvas::SelectFont(const QFont& font) { state_.font = font; }

QSize GdiCanvas::TextExtent(const QString& text) const {
  const QFontMetrics metrics(state_.font);
  return QSize(metrics.size(kTextFlags, text).width(), metrics.height());
}

void GdiCanvas::DrawTextIn(const QRect& rect, int flags, const QString& text, QRgb colour) {
  QPainter painter(&image_);
  if (state_.clip) painter.setClipRegion(*state_.clip);
  painter.setFont(state_.font);
  painter.setPen(QColor::fromRgb(colour));
  painter.drawText(rect, flags | kTextFlags, text);
}

void GdiCanvas::TextOut(QPoint at, const QString& text, QRgb colour) {
  const QSize extent = TextExtent(text);
  DrawTextIn(QRect(at, extent + QSize(1, 0)), Qt::AlignLeft | Qt::AlignTop, text, colour);
}

void GdiCanvas::DrawCentredText(const GdiRect& rect, const QString& text, QRgb colour) {
  DrawTextIn(rect.ToQRect(), Qt::AlignCenter, text, colour);
}

void GdiCanvas::DrawDisabledText(QPoint at, const QString& text, QRgb highlight, QRgb shadow) {
  TextOut(at + QPoint(1, 1), text, highlight);
  TextOut(at, text, shadow);
}

void GdiCanvas::SelectClip(const QRegion& region) { state_.clip = region; }
void GdiCanvas::ClearClip() { state_.clip.reset(); }

void GdiCanvas::SaveDC() { saved_.push_back(state_); }

void GdiCanvas::RestoreDC() {
  if (saved_.empty()) return;
  state_ = std::move(saved_.back());
  saved_.pop_back();
}

QFont GdiCanvas::FontForDevice(const QFont& font, qreal dpiY, qreal ratio) {
  const qreal pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * dpiY / 72.0;
  QFont scaled = font;
  scaled.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * ratio))));
  return scaled;
}

}  // namespace lumo
