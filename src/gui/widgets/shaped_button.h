#pragma once

#include <QFont>
#include <QPushButton>
#include <QString>

#include <optional>

#include "gui/platform/system_colours.h"
#include "gui/widgets/button_rings.h"
#include "gui/widgets/shaped_button_renderer.h"

namespace lumo {

// A push button drawn in one of four outlines (rectangle, square, circle or
// pill) with a bevelled rim, clipped to its outer ring. It keeps three
// ready-drawn images (normal, focused, pressed) and shows the one that fits
// its state; they are drawn again only when the shape is set or the look
// has changed: enabled state, flat style, caption, font, colours or the
// screen's pixel ratio. A button drawn before any shape was set takes the
// rectangle. To the keyboard, the mouse and screen readers it stays an
// ordinary push button.
class ShapedButton : public QPushButton {
  Q_OBJECT

 public:
  explicit ShapedButton(QWidget* parent = nullptr);
  explicit ShapedButton(const QString& text, QWidget* parent = nullptr);

  // Builds the rings for the button's size (kept on later resizes), clips
  // the window to ring 0 and has the images drawn again. A value outside
  // button_rings::ButtonShape builds nothing.
  void SetShape(int shape);
  const button_rings::Rings& Rings() const { return rings_; }

  enum class Look { Normal, Focus, Pressed };
  // The cached image of a look; null until the button was first drawn.
  const QImage& Image(Look look) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Everything the images depend on besides the rings.
  struct RenderedStyle {
    bool enabled = true;
    bool flat = false;
    QString caption;
    QFont font;
    lumo::SystemColours colours;
    qreal ratio = 1;
    friend bool operator==(const RenderedStyle&, const RenderedStyle&) = default;
  };

  RenderedStyle CurrentStyle() const;
  void Render(const RenderedStyle& style);

  std::optional<int> shape_;
  button_rings::Rings rings_;
  ShapedButtonImages images_;
  std::optional<RenderedStyle> renderedStyle_;
  bool dirty_ = true;
};

}  // namespace lumo
