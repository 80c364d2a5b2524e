#include "gui/widgets/shaped_button.h"

#include <QPainter>
#include <QResizeEvent>

#include <cmath>

#include "gui/platform/gdi_canvas.h"

namespace lumo {

ShapedButton::ShapedButton(QWidget* parent) : ShapedButton(QString(), parent) {}

ShapedButton::ShapedButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

void ShapedButton::SetShape(int shape) {
  shape_ = shape;
  rings_ = button_rings::Build(shape, size());
  setMask(button_rings::MakeRegion(rings_[0]));
  dirty_ = true;
  update();
}

const QImage& ShapedButton::Image(Look look) const {
  switch (look) {
    case Look::Focus: return images_.focus;
    case Look::Pressed: return images_.pressed;
    default: return images_.normal;
  }
}

// The rings are built for one size; a button that is resized keeps its shape.
void ShapedButton::resizeEvent(QResizeEvent* event) {
  QPushButton::resizeEvent(event);
  if (shape_ && event->size() != event->oldSize()) SetShape(*shape_);
}

ShapedButton::RenderedStyle ShapedButton::CurrentStyle() const {
  return {isEnabled(), isFlat(), text(), font(), lumo::SystemColours::FromPalette(palette()), devicePixelRatio()};
}

void ShapedButton::Render(const RenderedStyle& style) {
  // Drawn at the screen's own resolution, from rings of that many pixels.
  const QSize pixels(static_cast<int>(std::ceil(width() * style.ratio)),
                     static_cast<int>(std::ceil(height() * style.ratio)));
  const button_rings::Rings deviceRings =
      pixels == size() ? rings_ : button_rings::Build(shape_.value_or(button_rings::Rectangle), pixels);
  const ShapedButtonRenderer renderer(button_rings::Valid(deviceRings) ? deviceRings : rings_, style.colours,
                                      style.flat);
  const QFont font = lumo::GdiCanvas::FontForDevice(style.font, logicalDpiY(), style.ratio);
  images_ = renderer.Render(pixels, font, style.caption, !style.enabled);
  for (QImage* image : {&images_.normal, &images_.focus, &images_.pressed}) image->setDevicePixelRatio(style.ratio);
  renderedStyle_ = style;
  dirty_ = false;
}

void ShapedButton::paintEvent(QPaintEvent*) {
  if (!button_rings::Valid(rings_)) SetShape(button_rings::Rectangle);
  const RenderedStyle style = CurrentStyle();
  if (dirty_ || renderedStyle_ != style) Render(style);
  const Look look = isDown() ? Look::Pressed : hasFocus() ? Look::Focus : Look::Normal;
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), Image(look));
}

}  // namespace lumo
