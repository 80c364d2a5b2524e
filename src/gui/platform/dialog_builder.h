#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

#include "gui/platform/dialog_template.h"

class QAbstractButton;
class QFontMetrics;
class QButtonGroup;
class QMenuBar;
class QWidget;

namespace lumo {

// One control made from its template entry.
struct BuiltControl {
  const ControlTemplate* control = nullptr;  // the template entry (static data)
  QWidget* widget = nullptr;                 // owned by the host
};

// What DialogBuilder::Build made on the host; every object is owned by it.
struct BuiltDialog {
  std::vector<BuiltControl> controls;       // in template (tab) order
  std::vector<QButtonGroup*> radioGroups;   // one per run of grouped radio buttons
  QMenuBar* menuBar = nullptr;              // only when the template names a menu
  QSize clientSize;                         // dialog area plus menu bar, in pixels
};

// A widget property a control factory may set: the longest text the
// control will be given after the dialog is built (a count, a label chosen
// later). Where the template's text is translated, the layout makes room for
// it as for the control's own text.
inline constexpr char kRoomForTextProperty[] = "lumoRoomForText";

// `text` broken into lines no wider than `width` where lines may break:
// after blanks, and between the characters of Japanese or Chinese. A piece
// that cannot break stays whole, however wide.
QString WrapToWidth(const QString& text, const QFontMetrics& metrics, int width);

// Turns a dialog template into Qt widgets, placed by dialog units: one
// horizontal unit is a quarter of the font's average letter width (over
// A-Z and a-z, rounded), one vertical unit an eighth of the font's height.
class DialogBuilder {
 public:
  // Returns the caller's own widget for a control, or nullptr for the
  // builder's default one. Parent the widget to `parent`.
  using ControlFactory = std::function<QWidget*(const ControlTemplate&, QWidget* parent)>;

  // Measures with the template's font (sans-serif at its point size).
  explicit DialogBuilder(const DialogTemplate& dialog);
  DialogBuilder(const DialogTemplate& dialog, const QFont& font);

  const QFont& Font() const { return font_; }
  // Horizontal and vertical base units in pixels.
  QSize BaseUnits() const { return baseUnits_; }
  // A rectangle in dialog units converted to pixels, each value on its own.
  QRect ToPixels(int x, int y, int w, int h) const;
  // The template's size in pixels, without a menu bar.
  QSize DialogSize() const;

  // Creates the menu bar and the controls on `host` (font, geometry, styles,
  // tab order, radio groups, default button). Each control is asked of
  // `factory` first. A translated text that does not fit gets room, and
  // clientSize grows with it. The host is not resized.
  BuiltDialog Build(QWidget* host, const ControlFactory& factory = {}) const;

  // Gives a button made for a push button, check box or radio button entry
  // its caption, default flag and text side; for factories that make their
  // own button classes.
  static void SetUpButton(QAbstractButton& button, const ControlTemplate& control);
  // The control the builder makes for `control` when no factory makes one,
  // parented to `parent`; for factories that only add to it.
  static QWidget* MakeDefaultControl(const ControlTemplate& control, QWidget* parent);
  // The base units of a font: rounded average letter width, and height.
  static QSize MeasureBaseUnits(const QFont& font);
  // number * numerator / denominator, rounded half away from zero.
  static int MulDiv(int number, int numerator, int denominator);

 private:
  QMenuBar* BuildMenu(QWidget* host) const;
  QWidget* BuildControl(const ControlTemplate& control, QWidget* host, int top,
                        const ControlFactory& factory) const;

  const DialogTemplate& dialog_;
  QFont font_;
  QSize baseUnits_;
};

}  // namespace lumo
