#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

#include "support/message_box_recorder.h"

namespace lumo::test {

// Sends a key press and release to `widget`, as typing would.
inline void PressKey(QWidget* widget, int key, const QString& text = {},
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QCoreApplication::sendEvent(widget, &release);
}

inline void TypeText(QWidget* widget, const QString& text) {
  for (QChar c : text) PressKey(widget, c.toUpper().unicode(), QString(c));
}

}  // namespace lumo::test
