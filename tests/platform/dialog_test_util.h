#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

#include "platform/message_box.h"

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

// Answers every message box with `answer` and remembers what was asked,
// for the life of the object.
class MessageBoxRecorder {
 public:
  struct Box {
    std::string text;
    MessageButtons buttons;
    MessageIcon icon;
  };

  explicit MessageBoxRecorder(int answer = kAnswerOk) {
    previous_ = SetMessageBoxHandler([this, answer](const std::string& text, MessageButtons buttons,
                                                    MessageIcon icon) {
      boxes.push_back({text, buttons, icon});
      return answer;
    });
  }
  ~MessageBoxRecorder() { SetMessageBoxHandler(previous_); }
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<Box> boxes;

 private:
  MessageBoxHandler previous_;
};

}  // namespace lumo::test
