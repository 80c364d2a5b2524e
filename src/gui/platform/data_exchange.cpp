#include "gui/platform/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstdint>
#include <optional>

#include "core/platform/code_page.h"

#include "gui/platform/edit_behaviour.h"
#include "gui/platform/lumo_dialog.h"
#include "core/platform/message_box.h"
#include "gui/platform/path_text.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

constexpr const char* kNotAFileName =
    QT_TRANSLATE_NOOP("Lumo", "The path contains characters that this system cannot use in file names.");

QString WidgetText(QWidget* widget) {
  if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text();
  if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) return multi->toPlainText();
  if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText();
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return box->title();
  return widget->windowTitle();
}

void SetWidgetText(QWidget* widget, const QString& text) {
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    line->setText(text);
  } else if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) {
    multi->setPlainText(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    combo->setEditText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    box->setTitle(text);
  } else {
    widget->setWindowTitle(text);
  }
}

// The widget that holds the typed text: a combo box's field, or the edit.
QWidget* TypingWidget(QWidget* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
    return combo->lineEdit();
  }
  return widget;
}

void ClearGroup(QButtonGroup& group) {
  const bool exclusive = group.exclusive();
  group.setExclusive(false);  // an exclusive group will not let its last button go
  for (QAbstractButton* button : group.buttons()) button->setChecked(false);
  group.setExclusive(exclusive);
}

}  // namespace

DataExchange::DataExchange(LumoDialog& dialog, bool saveAndValidate)
    : dialog_(dialog), saving_(saveAndValidate) {}

QWidget* DataExchange::Find(int id) const { return failed_ ? nullptr : dialog_.Control(id); }

void DataExchange::Text(int id, std::string& value) {
  const auto toText = [](const std::string& utf8) { return QString::fromStdString(utf8); };
  const auto fromText = [](const QString& text) { return std::optional<std::string>(text.toStdString()); };
  ExchangeText(id, value, toText, fromText, std::string());
}

void DataExchange::Text(int id, std::string& bytes, const CodePage& page) {
  const auto toText = [&page](const std::string& stored) { return QString::fromStdString(page.ToUtf8(stored)); };
  const auto fromText = [&page](const QString& text) { return page.FromUtf8(text.toStdString()); };
  ExchangeText(id, bytes, toText, fromText, NotInCodePageText(page));
}


void DataExchange::Path(int id, std::string& path) {
  ExchangeText(id, path, PathToText, TextToPath, TrUtf8("Lumo", kNotAFileName));
}

void DataExchange::ExchangeText(int id, std::string& value, const std::function<QString(const std::string&)>& toText,
                                const std::function<std::optional<std::string>(const QString&)>& fromText,
                                const std::string& refusal) {
  QWidget* widget = Find(id);
  if (widget == nullptr) return;
  if (!saving_) {
    // An upper-case edit shows in capitals whatever the program puts in it.
    const EditBehaviour* edit = EditBehaviour::Of(TypingWidget(widget));
    const QString text = toText(value);
    SetWidgetText(widget, edit != nullptr ? edit->Shown(text) : text);
    return;
  }
  std::optional<std::string> bytes = fromText(WidgetText(widget));
  if (!bytes) {
    Fail(id, refusal);
    return;
  }
  value = std::move(*bytes);
}

void DataExchange::Check(int id, int& value) {
  auto* button = qobject_cast<QAbstractButton*>(Find(id));
  if (button == nullptr) return;
  auto* box = qobject_cast<QCheckBox*>(button);
  if (saving_) {
    const bool partly = box != nullptr && box->checkState() == Qt::PartiallyChecked;
    value = partly ? 2 : (button->isChecked() ? 1 : 0);
    return;
  }
  if (box != nullptr && value == 2) {
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
  } else {
    button->setChecked(value != 0);
  }
}

void DataExchange::Radio(int firstId, int& index) {
  auto* first = qobject_cast<QAbstractButton*>(Find(firstId));
  if (first == nullptr) return;
  QButtonGroup* group = first->group();
  if (group == nullptr) {  // a lone radio button is a group of one
    if (saving_) index = first->isChecked() ? 0 : -1;
    else first->setChecked(index == 0);
    return;
  }
  if (saving_) {
    index = group->checkedId();
    return;
  }
  if (QAbstractButton* target = group->button(index)) {
    target->setChecked(true);
  } else {
    ClearGroup(*group);
  }
}

void DataExchange::MaxChars(int id, const std::string& value, int maxChars) {
  QWidget* widget = Find(id);
  if (widget == nullptr) return;
  if (!saving_) {
    if (EditBehaviour* edit = EditBehaviour::Attach(TypingWidget(widget))) {
      edit->SetTextLimit(maxChars);
    }
    return;
  }
  CheckLength(id, static_cast<qsizetype>(value.size()), maxChars);
}

void DataExchange::MaxPathChars(int id, const std::string& path, int maxChars) {
  if (saving_) {
    CheckLength(id, PathToText(path).size(), maxChars);
  } else {
    MaxChars(id, path, maxChars);
  }
}

void DataExchange::CheckLength(int id, qsizetype length, int maxChars) {
  if (Find(id) != nullptr && length > maxChars) {
    Fail(id, FillIn(TrUtf8("Lumo", "Please enter no more than %1 characters."), "%1", std::to_string(maxChars)));
  }
}

void DataExchange::Fail(int id, const std::string& message) {
  QWidget* widget = dialog_.Control(id);
  failed_ = true;
  ShowMessageBox(message, MessageButtons::Ok, MessageIcon::Warning);
  if (widget == nullptr) return;
  widget->setFocus(Qt::OtherFocusReason);
  if (auto* line = qobject_cast<QLineEdit*>(TypingWidget(widget))) line->selectAll();
  if (auto* multi = qobject_cast<QPlainTextEdit*>(widget)) multi->selectAll();
}

}  // namespace lumo
