#include "gui/platform/system_colours.h"

namespace lumo {

SystemColours SystemColours::FromPalette(const QPalette& palette, QPalette::ColorGroup group) {
  auto rgb = [&](QPalette::ColorRole role) { return palette.color(group, role).rgb(); };
  return {rgb(QPalette::Button), rgb(QPalette::Dark), rgb(QPalette::Light), rgb(QPalette::Shadow),
          rgb(QPalette::Midlight)};
}

namespace {

int MixChannel(int a, int b, double d) { return static_cast<int>(a * d + b * (1 - d)); }

}  // namespace

QRgb MixColours(QRgb a, QRgb b, double d) {
  return qRgb(MixChannel(qRed(a), qRed(b), d), MixChannel(qGreen(a), qGreen(b), d),
              MixChannel(qBlue(a), qBlue(b), d));
}

}  // namespace lumo
