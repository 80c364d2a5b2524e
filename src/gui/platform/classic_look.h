#pragma once

#include <QFont>
#include <QPalette>

class QApplication;

// The classic 3-D look of the program: Qt's "Windows" style, the classic
// system colours, and the small sans-serif font of the dialogs.
namespace lumo {

// The platform's sans-serif font at `pointSize` points; stands in for
// "MS Sans Serif" 8 in every dialog.
QFont DialogFont(int pointSize = 8);

// Button face grey, with the roles the drawing code reads for the system
// colours: Button = button face, Dark = button shadow, Light = button
// highlight, Shadow = dark 3-D shadow, Midlight = 3-D light.
QPalette ClassicPalette();

// Applies the style, the palette and the dialog font to the whole program.
// Falls back to the default style when "Windows" is not available.
void ApplyClassicLook(QApplication& app);

}  // namespace lumo
