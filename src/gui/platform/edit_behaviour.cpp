#include "gui/platform/edit_behaviour.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "gui/platform/text_codec.h"

namespace lumo {
namespace {

// Capitals as the code page has them: a letter whose capital the file could
// not hold (the micro sign) stays as it is.
QString ToCapitals(const QString& text) {
  QString result;
  for (QChar c : text) {
    const QString upper = QString(c).toUpper();
    result += ToName(upper).has_value() ? upper : QString(c);
  }
  return result;
}

bool IsTypedText(const QString& text) {
  return !text.isEmpty() && !text.front().isNull() && text.front().isPrint();
}

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

QString EditBehaviour::Shown(const QString& text) const { return upperCase_ ? ToCapitals(text) : text; }

EditBehaviour::EditBehaviour(QWidget* edit) : QObject(edit), edit_(edit) {
  setObjectName(QStringLiteral("lumo_edit_behaviour"));
  edit->installEventFilter(this);
  if (auto* multi = qobject_cast<QPlainTextEdit*>(edit)) multi->setTabChangesFocus(true);
}

EditBehaviour* EditBehaviour::Attach(QWidget* edit) {
  if (!qobject_cast<QLineEdit*>(edit) && !qobject_cast<QPlainTextEdit*>(edit)) return nullptr;
  if (EditBehaviour* existing = Of(edit)) return existing;
  return new EditBehaviour(edit);
}

EditBehaviour* EditBehaviour::Of(const QWidget* edit) {
  if (edit == nullptr) return nullptr;
  return edit->findChild<EditBehaviour*>(QStringLiteral("lumo_edit_behaviour"),
                                         Qt::FindDirectChildrenOnly);
}

bool EditBehaviour::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    return OnKeyPress(*static_cast<QKeyEvent*>(event));
  }
  return QObject::eventFilter(watched, event);
}

bool EditBehaviour::OnKeyPress(QKeyEvent& key) {
  auto* multi = qobject_cast<QPlainTextEdit*>(edit_);
  if (multi != nullptr && IsEnter(key)) {
    // A multi-line edit of a dialog does not take Enter: the dialog's default
    // button does.
    QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.text());
    QCoreApplication::sendEvent(edit_->window(), &copy);
    return true;
  }
  const bool readOnly = multi != nullptr ? multi->isReadOnly()
                                         : static_cast<QLineEdit*>(edit_)->isReadOnly();
  if (readOnly || (!upperCase_ && textLimit_ == 0)) return false;
  if (key.matches(QKeySequence::Paste)) {
    InsertText(QApplication::clipboard()->text());
    return true;
  }
  if (!IsTypedText(key.text())) return false;
  const QString text = upperCase_ ? ToCapitals(key.text()) : key.text();
  if (textLimit_ > 0 && RoomLeft() < text.size()) {
    QApplication::beep();
    return true;
  }
  if (text == key.text()) return false;
  InsertText(text);
  return true;
}

void EditBehaviour::InsertText(QString text) {
  if (upperCase_) text = ToCapitals(text);
  if (textLimit_ > 0) text.truncate(std::max(0, RoomLeft()));
  if (auto* multi = qobject_cast<QPlainTextEdit*>(edit_)) {
    multi->insertPlainText(text);
  } else {
    static_cast<QLineEdit*>(edit_)->insert(text);
  }
}

int EditBehaviour::RoomLeft() const {
  if (auto* multi = qobject_cast<QPlainTextEdit*>(edit_)) {
    const auto length = multi->document()->characterCount() - 1;
    return textLimit_ - static_cast<int>(length - multi->textCursor().selectedText().size());
  }
  auto* line = static_cast<QLineEdit*>(edit_);
  return textLimit_ - static_cast<int>(line->text().size() - line->selectedText().size());
}

}  // namespace lumo
