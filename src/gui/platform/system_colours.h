#pragma once

#include <QPalette>
#include <QRgb>

namespace lumo {

// The five Windows system colours that the custom buttons draw with, taken
// from a palette: button face = Button, button shadow = Dark, button
// highlight = Light, dark 3-D shadow = Shadow, 3-D light = Midlight.
struct SystemColours {
  QRgb face = 0;        // COLOR_BTNFACE
  QRgb shadow = 0;      // COLOR_BTNSHADOW
  QRgb highlight = 0;   // COLOR_BTNHIGHLIGHT
  QRgb darkShadow = 0;  // COLOR_3DDKSHADOW
  QRgb light = 0;       // COLOR_3DLIGHT

  static SystemColours FromPalette(const QPalette& palette, QPalette::ColorGroup group = QPalette::Active);
  friend bool operator==(const SystemColours&, const SystemColours&) = default;
};

// Each channel a * d + b * (1 - d), truncated.
QRgb MixColours(QRgb a, QRgb b, double d);

}  // namespace lumo
