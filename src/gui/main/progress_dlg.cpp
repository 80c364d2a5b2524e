#include "gui/main/progress_dlg.h"

#include <QCoreApplication>
#include <QProgressBar>

#include <algorithm>

namespace lumo {

LumoProgressDlg::LumoProgressDlg(QWidget* parent)
    : LumoDialog(kTemplate, parent),
      loadedBar_(ControlAs<QProgressBar>(kLoadedBar)),
      formattedBar_(ControlAs<QProgressBar>(kFormattedBar)) {
  // A tool window stays in front of its owner and keeps off the task bar.
  setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
}

bool LumoProgressDlg::OnInitDialog() {
  LumoDialog::OnInitDialog();
  for (QProgressBar* bar : {loadedBar_, formattedBar_}) {
    bar->setRange(0, 100);
    bar->setValue(0);
  }
  return true;
}

void LumoProgressDlg::SetLoaded(int percent) { Advance(loadedBar_, percent); }

void LumoProgressDlg::SetFormatted(int percent) { Advance(formattedBar_, percent); }

int LumoProgressDlg::Loaded() const { return loadedBar_->value(); }

int LumoProgressDlg::Formatted() const { return formattedBar_->value(); }

void LumoProgressDlg::Advance(QProgressBar* bar, int percent) {
  percent = std::clamp(percent, 0, 100);
  if (bar->value() == percent) return;
  // QProgressBar repaints on every visible change by itself; that waits for
  // the next showing instead.
  bar->setUpdatesEnabled(false);
  bar->setValue(percent);
  bar->setUpdatesEnabled(true);
  if (!isVisible()) return;
  if (sinceShown_.isValid() && !sinceShown_.hasExpired(kShowIntervalMs)) return;
  sinceShown_.start();
  // The load blocks the event loop: paint now, both bars since the other may
  // have moved unseen, and let the window system see it, but keep clicks and
  // keys for later.
  loadedBar_->repaint();
  formattedBar_->repaint();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace lumo
