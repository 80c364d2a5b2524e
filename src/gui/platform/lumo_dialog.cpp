#include "gui/platform/lumo_dialog.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <utility>

#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

const DialogTemplate& TemplateOrEmpty(int templateId) {
  static const DialogTemplate kEmpty{};
  const DialogTemplate* found = FindDialogTemplate(templateId);
  return found != nullptr ? *found : kEmpty;
}

bool Has(const DialogTemplate& dialog, uint32_t bit) { return (dialog.style & bit) != 0; }

Qt::WindowFlags WindowFlags(const DialogTemplate& dialog) {
  if (Has(dialog, dlg::kChild)) return Qt::Widget;
  Qt::WindowFlags flags = Has(dialog, dlg::kAppWindow) ? Qt::Window : Qt::Dialog;
  if (!Has(dialog, dlg::kCaption)) return flags | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (Has(dialog, dlg::kSysMenu)) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (Has(dialog, dlg::kMinimizeBox)) flags |= Qt::WindowMinimizeButtonHint;
  if (Has(dialog, dlg::kMaximizeBox)) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

bool IsEnterKey(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

LumoDialog::LumoDialog(int templateId, QWidget* parent,
                       const DialogBuilder::ControlFactory& factory)
    : QDialog(parent), template_(TemplateOrEmpty(templateId)) {
  setWindowFlags(WindowFlags(template_));
  setWindowTitle(Tr("Dialog", template_.caption));
  const DialogBuilder builder(template_);
  baseUnits_ = builder.BaseUnits();
  built_ = builder.Build(this, factory);
  if (Has(template_, dlg::kSizingBorder) || Has(template_, dlg::kChild)) {
    resize(built_.clientSize);
  } else {
    setFixedSize(built_.clientSize);
  }
  ConnectControls();
}

LumoDialog::~LumoDialog() = default;

void LumoDialog::ConnectControls() {
  for (const BuiltControl& built : built_.controls) {
    const int id = built.control->id;
    if (id == kNoControlId) continue;
    auto changed = [this, id] {
      if (!filling_) OnEditChange(id);
    };
    if (auto* button = qobject_cast<QAbstractButton*>(built.widget)) {
      // Enter is the dialog's business (PressDefaultButton), so Qt must not
      // promote some button to default on its own.
      if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(false);
      if (qobject_cast<QRadioButton*>(button) != nullptr) {
        ConnectRadioButton(*button, id);
      } else {
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
      }
    } else if (auto* line = qobject_cast<QLineEdit*>(built.widget)) {
      connect(line, &QLineEdit::textChanged, this, changed);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(built.widget)) {
      connect(multi, &QPlainTextEdit::textChanged, this, changed);
    } else if (auto* combo = qobject_cast<QComboBox*>(built.widget); combo && combo->lineEdit()) {
      connect(combo->lineEdit(), &QLineEdit::textEdited, this, changed);
    }
  }
  if (built_.menuBar != nullptr) {
    // The command runs once the trigger has returned: a screen reader that
    // pressed the item waits for that call, and a command that opens a
    // modal dialog would hold it until the dialog closed.
    connect(
        built_.menuBar, &QMenuBar::triggered, this,
        [this](QAction* action) { OnCommand(action->data().toInt()); }, Qt::QueuedConnection);
  }
}

// A radio button's command follows its state, however that changed: a
// click, the arrow keys, or a screen reader's toggle action, which checks
// the button without clicking it. A click on the button already checked
// changes nothing and still counts as a command.
void LumoDialog::ConnectRadioButton(QAbstractButton& radio, int id) {
  connect(&radio, &QAbstractButton::pressed, this, [this, &radio] { pressedChecked_ = radio.isChecked(); });
  connect(&radio, &QAbstractButton::toggled, this, [this, id](bool checked) {
    if (checked && !filling_) OnCommand(id);
  });
  connect(&radio, &QAbstractButton::clicked, this, [this, id] {
    if (std::exchange(pressedChecked_, false)) OnCommand(id);
  });
}

QWidget* LumoDialog::Control(int id) const {
  if (id == kNoControlId) return nullptr;
  for (const BuiltControl& built : built_.controls) {
    if (built.control->id == id) return built.widget;
  }
  return nullptr;
}

int LumoDialog::DoModal() {
  if (!Open()) return result();
  setModal(true);
  return exec();
}

bool LumoDialog::CreateModeless(QWidget* parent) {
  if (parent != parentWidget()) setParent(parent, windowFlags());
  setModal(false);
  if (!Open()) return false;
  if (Has(template_, dlg::kVisible)) show();
  if (Has(template_, dlg::kSetForeground)) {
    raise();
    activateWindow();
  }
  return true;
}

bool LumoDialog::Open() {
  ended_ = false;
  setResult(0);
  const bool focusFirst = OnInitDialog();
  if (ended_) return false;
  if (Has(template_, dlg::kCenter)) CentreOnScreen();
  if (focusFirst) FocusFirstTabStop();
  return true;
}

void LumoDialog::EndDialog(int result) {
  ended_ = true;
  done(result);
}

bool LumoDialog::UpdateData(bool saveAndValidate) {
  DataExchange exchange(*this, saveAndValidate);
  const bool wasFilling = filling_;
  filling_ = wasFilling || !saveAndValidate;
  DoDataExchange(exchange);
  filling_ = wasFilling;
  return !exchange.Failed();
}

bool LumoDialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void LumoDialog::DoDataExchange(DataExchange&) {}

void LumoDialog::OnOK() {
  if (UpdateData(true)) EndDialog(kIdOk);
}

void LumoDialog::OnCancel() { EndDialog(kIdCancel); }

bool LumoDialog::OnCommand(int id) {
  if (id == kIdOk) {
    OnOK();
    return true;
  }
  if (id == kIdCancel) {
    OnCancel();
    return true;
  }
  return false;
}

void LumoDialog::OnEditChange(int) {}

void LumoDialog::accept() { OnCommand(kIdOk); }

void LumoDialog::reject() { OnCommand(kIdCancel); }

void LumoDialog::keyPressEvent(QKeyEvent* event) {
  const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::NoModifier && IsEnterKey(*event)) {
    PressDefaultButton();
  } else if (modifiers == Qt::NoModifier && event->key() == Qt::Key_Escape) {
    OnCommand(kIdCancel);
  } else {
    QDialog::keyPressEvent(event);
  }
}

void LumoDialog::closeEvent(QCloseEvent* event) {
  // The close box is a cancel command: the dialog decides whether it closes.
  event->ignore();
  if (isVisible()) OnCommand(kIdCancel);
}

void LumoDialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (built_.menuBar != nullptr) {
    built_.menuBar->setGeometry(0, 0, width(), built_.menuBar->sizeHint().height());
  }
}

void LumoDialog::PressDefaultButton() {
  if (auto* focused = qobject_cast<QPushButton*>(focusWidget()); focused && focused->isEnabled()) {
    focused->click();
    return;
  }
  for (const BuiltControl& built : built_.controls) {
    auto* button = qobject_cast<QPushButton*>(built.widget);
    if (button == nullptr || !button->isDefault() || !button->isVisible()) continue;
    if (button->isEnabled()) button->click();
    return;
  }
  OnCommand(kIdOk);
}

void LumoDialog::FocusFirstTabStop() {
  for (const BuiltControl& built : built_.controls) {
    QWidget* widget = built.widget;
    if ((built.control->style & ctl::kTabStop) == 0 || widget->isHidden() ||
        !widget->isEnabled()) {
      continue;
    }
    widget->setFocus(Qt::TabFocusReason);
    return;
  }
}

void LumoDialog::CentreOnScreen() {
  QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

}  // namespace lumo
