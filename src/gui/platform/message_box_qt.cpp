#include "gui/platform/message_box_qt.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>

#include "gui/platform/text_codec.h"

namespace lumo {
namespace {

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop:
      return QMessageBox::Critical;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// The buttons, the one Enter presses, and the one Esc and the close box press.
struct ButtonSet {
  QMessageBox::StandardButtons all;
  QMessageBox::StandardButton first;
  QMessageBox::StandardButton safe;
};

ButtonSet QtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok, QMessageBox::Cancel};
    case MessageButtons::YesNo:
      return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, QMessageBox::No};
    case MessageButtons::Ok:
      break;
  }
  return {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
}

}  // namespace

QString MessageBoxCaption() {
  const QString path = QCoreApplication::instance() != nullptr
                           ? QCoreApplication::applicationFilePath()
                           : QString();
  const QString name = QFileInfo(path).completeBaseName();
  return name.isEmpty() ? QStringLiteral("lumo") : name;
}

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, MessageButtons buttons,
                                            MessageIcon icon, QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(MessageBoxCaption());
  box->setTextFormat(Qt::PlainText);  // file names may hold "<" and "&"
  box->setText(QString::fromStdString(text));
  box->setIcon(QtIcon(icon));
  const ButtonSet set = QtButtons(buttons);
  box->setStandardButtons(set.all);
  box->setDefaultButton(set.first);
  box->setEscapeButton(set.safe);
  return box;
}

int AnswerFromResult(int result, MessageButtons buttons) {
  switch (result) {
    case QMessageBox::Ok:
      return kAnswerOk;
    case QMessageBox::Cancel:
      return kAnswerCancel;
    case QMessageBox::Yes:
      return kAnswerYes;
    case QMessageBox::No:
      return kAnswerNo;
    default:
      return AnswerFromResult(QtButtons(buttons).safe, buttons);
  }
}

void InstallQtMessageBoxes() {
  SetMessageBoxHandler([](const std::string& text, MessageButtons buttons, MessageIcon icon) {
    auto box = MakeMessageBox(text, buttons, icon, QApplication::activeWindow());
    return AnswerFromResult(box->exec(), buttons);
  });
}

}  // namespace lumo
