#pragma once

#include <QImage>
#include <QPushButton>

#include "gui/widgets/round_button_painter.h"

namespace lumo {

// A push button that draws itself round: a circle, or, wider than tall (as
// all of the program's are), two half circles joined by straight edges,
// with a shaded rim and an engraved caption. The window is clipped to the
// drawn outline (a round button to the ellipse of its rectangle); a button
// taller than wide is made square.
// To the keyboard, the mouse and screen readers it stays an ordinary push
// button: role, name, mnemonic, default button, disabled state, tooltip.
// The "flat" property selects the flat rim.
class RoundButton : public QPushButton {
  Q_OBJECT

 public:
  explicit RoundButton(QWidget* parent = nullptr);
  explicit RoundButton(const QString& text, QWidget* parent = nullptr);

  RoundButtonGeometry Geometry() const { return RoundButtonGeometry::ForClientSize(size()); }
  // The button as it looks now, drawn at `ratio` device pixels per pixel
  // (the image carries that ratio).
  QImage Render(qreal ratio) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Shape();
  RoundButtonState State() const;
};

}  // namespace lumo
