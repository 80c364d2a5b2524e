#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace lumo {

// A rectangle as Windows gives one: right and bottom lie just outside it.
struct GdiRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
};

// A small drawing surface with the habits of a Windows device context, so
// that drawing code written for one gives the same pixels here. Every
// coordinate is a pixel of the image (device pixels on a high-density
// screen). What it promises:
// - SetPixel outside the image or the clip does nothing; GetPixel there
//   gives kNoColour.
// - LineTo draws from the current position up to, but not including, the
//   end point (Bresenham), then makes the end point current.
// - Arc runs counter-clockwise on the screen along the ellipse inscribed in
//   its box (right and bottom edges outside), from the direction of its
//   start point to that of its end point; equal directions draw it whole.
// - Polygon fills the inside (even-odd rule, pixels whose centres lie
//   inside) with the brush, then outlines every edge with the pen.
// - FillRect covers left..right-1, top..bottom-1 regardless of pen and brush.
// - Text is drawn without a background; "&" marks the next letter as a
//   mnemonic (underlined), "&&" is a literal "&". TextOut's point is the top
//   left of the text cell.
// - The clip region limits every operation; SaveDC/RestoreDC keep and bring
//   back the pen, brush, font, clip and current position.
class GdiCanvas {
 public:
  static constexpr QRgb kNoColour = 0;  // every drawn colour is opaque

  // An image of `size` pixels, filled with opaque black until drawn on.
  explicit GdiCanvas(QSize size);

  const QImage& Image() const { return image_; }
  QImage TakeImage();
  QSize Size() const { return image_.size(); }

  void SetPixel(int x, int y, QRgb colour);
  QRgb GetPixel(int x, int y) const;

  // A solid pen one pixel wide; SelectNullPen draws no outlines.
  void SelectPen(QRgb colour);
  void SelectNullPen();
  void SelectBrush(QRgb colour);
  void SelectNullBrush();

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Arc(const GdiRect& box, QPoint start, QPoint end);
  void Polygon(const std::vector<QPoint>& points);
  void FillRect(const GdiRect& rect, QRgb colour);

  // The font is used at its pixel size; see FontForDevice.
  void SelectFont(const QFont& font);
  const QFont& Font() const { return state_.font; }
  QSize TextExtent(const QString& text) const;
  void TextOut(QPoint at, const QString& text, QRgb colour);
  // One line, centred both ways in `rect`.
  void DrawCentredText(const GdiRect& rect, const QString& text, QRgb colour);
  // The embossed look of disabled text: `highlight` one pixel down and to the
  // right, `shadow` at the point itself, on top.
  void DrawDisabledText(QPoint at, const QString& text, QRgb highlight, QRgb shadow);

  void SelectClip(const QRegion& region);
  void ClearClip();

  void SaveDC();
  // Without a matching SaveDC nothing changes.
  void RestoreDC();

  // `font` at the pixel size it has on `dpiY` logical dots per inch,
  // multiplied by `ratio` (the screen's device pixel ratio).
  static QFont FontForDevice(const QFont& font, qreal dpiY, qreal ratio);

 private:
  struct State {
    std::optional<QRgb> pen;
    std::optional<QRgb> brush;
    std::optional<QRegion> clip;
    QPoint position;
    QFont font;
  };

  bool Inside(int x, int y) const;
  void Plot(int x, int y, QRgb colour);
  void Line(QPoint from, QPoint to, QRgb colour);
  void DrawTextIn(const QRect& rect, int flags, const QString& text, QRgb colour);

  QImage image_;
  State state_;
  std::vector<State> saved_;
};

}  // namespace lumo
