#include "gui/platform/classic_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

namespace lumo {

QFont DialogFont(int pointSize) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize > 0 ? pointSize : 8);
  return font;
}

QPalette ClassicPalette() {
  const QColor face(192, 192, 192);
  const QColor shadow(128, 128, 128);
  QPalette palette(Qt::black, face, Qt::white, shadow, QColor(160, 160, 160), Qt::black, Qt::white,
                   Qt::white, face);
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Midlight, QColor(223, 223, 223));
  palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
  palette.setColor(QPalette::ToolTipText, Qt::black);
  palette.setColor(QPalette::Link, QColor(0, 0, 255));
  palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
  // Grey text for disabled controls, as the classic look draws it.
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, shadow);
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, face);
  return palette;
}

void ApplyClassicLook(QApplication& app) {
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) app.setStyle(style);
  app.setPalette(ClassicPalette());
  app.setFont(DialogFont());
}

}  // namespace lumo
