#pragma once

#include <QObject>
#include <QString>

class QEvent;
class QKeyEvent;
class QWidget;

namespace lumo {

// The habits of a classic edit control, added to a QLineEdit or a
// QPlainTextEdit: letters typed (or pasted with the keyboard) become capitals
// while upper case is on; typing and keyboard pastes stop at the text limit
// (text set by the program may be longer and is kept whole); in a multi-line
// edit, Enter and Esc are left to the dialog and Tab moves the focus.
// Owned by the edit (a child QObject); attach once per edit.
class EditBehaviour : public QObject {
  Q_OBJECT

 public:
  // Attaches to `edit` (a QLineEdit or a QPlainTextEdit) or returns the one
  // already attached; nullptr for any other widget.
  static EditBehaviour* Attach(QWidget* edit);
  // The behaviour attached to `edit`, or nullptr.
  static EditBehaviour* Of(const QWidget* edit);

  void SetUpperCase(bool on) { upperCase_ = on; }
  bool UpperCase() const { return upperCase_; }
  // `text` as this edit shows it when the program sets it: in capitals while
  // upper case is on, as a classic upper-case edit does.
  QString Shown(const QString& text) const;

  // Most characters the user may bring the text to; 0 means no limit.
  void SetTextLimit(int limit) { textLimit_ = limit > 0 ? limit : 0; }
  int TextLimit() const { return textLimit_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit EditBehaviour(QWidget* edit);
  bool OnKeyPress(QKeyEvent& key);
  void InsertText(QString text);
  int RoomLeft() const;

  QWidget* edit_;
  bool upperCase_ = false;
  int textLimit_ = 0;
};

}  // namespace lumo
