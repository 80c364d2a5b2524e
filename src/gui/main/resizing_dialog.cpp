#include "gui/main/resizing_dialog.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>

#include "core/platform/ini_number.h"
#include "core/settings/settings.h"

namespace lumo {

namespace {

QRect Moved(QRect rect, QSize delta, int flags) {
  if (flags & CResizingDialog::kStretchWidth) {
    rect.setRight(rect.right() + delta.width());
  } else if (flags & CResizingDialog::kMoveRight) {
    rect.translate(delta.width(), 0);
  }
  if (flags & CResizingDialog::kStretchHeight) {
    rect.setBottom(rect.bottom() + delta.height());
  } else if (flags & CResizingDialog::kMoveDown) {
    rect.translate(0, delta.height());
  }
  return rect;
}

int Clamped(int value, int minimum, int available) { return std::max(minimum, std::min(value, available)); }

}  // namespace

CResizingDialog::CResizingDialog(int templateId, lumo::Settings& settings, QWidget* parent,
                                 const lumo::DialogBuilder::ControlFactory& factory)
    : LumoDialog(templateId, parent, factory),
      settings_(settings),
      section_(ProfileSection(templateId)),
      lastSize_(size()) {
  setMinimumSize(size());
}

std::string CResizingDialog::ProfileSection(int templateId) { return lumo::ini::FormatInteger(templateId, 16); }

void CResizingDialog::AddControl(int id, int flags) {
  if (flags != 0) entries_.push_back({id, flags});
}

bool CResizingDialog::OnInitDialog() {
  const bool result = LumoDialog::OnInitDialog();
  RestoreSize();
  return result;
}

// The controls follow every change of size, also one made while the window
// was hidden (the event then arrives when it is shown).
void CResizingDialog::resizeEvent(QResizeEvent* event) {
  LumoDialog::resizeEvent(event);
  if (isMinimized()) return;
  const QSize delta = event->size() - lastSize_;
  if (delta.isNull()) return;
  resized_ = true;
  MoveControls(delta);
  lastSize_ = event->size();
}

void CResizingDialog::MoveControls(QSize delta) {
  for (const Entry& entry : entries_) {
    QWidget* control = Control(entry.id);
    if (control == nullptr) continue;
    control->setGeometry(Moved(control->geometry(), delta, entry.flags));
    control->update();
  }
}

// A size saved on a bigger screen, or edited by hand, must neither make the
// window larger than the screen nor hide it.
void CResizingDialog::RestoreSize() {
  const auto [cx, cy] = settings_.Size(section_);
  if (cx <= 0 || cy <= 0) return;
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  const QSize available = shown != nullptr ? shown->availableGeometry().size() : QSize(cx, cy);
  resize(Clamped(cx, minimumWidth(), available.width()), Clamped(cy, minimumHeight(), available.height()));
}

void CResizingDialog::SaveSize() {
  if (!resized_ || lastSize_.isEmpty()) return;
  settings_.SaveSize(section_, {width(), height()});
  resized_ = false;
}

void CResizingDialog::done(int result) {
  SaveSize();
  LumoDialog::done(result);
}

}  // namespace lumo
