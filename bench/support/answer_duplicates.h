#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "gui/main/duplicate_notify.h"

namespace lumo::bench {

// Random names collide now and then, so even a clean file may ask: ticks
// "apply to all" and answers Ok at the first duplicate, as a user faced with
// many duplicates would. Needs a QApplication.
inline void AnswerDuplicatesOnce() {
  auto* timer = new QTimer(qApp);  // lives with the application
  QObject::connect(timer, &QTimer::timeout, [] {
    auto* dialog = qobject_cast<DuplicateNotify*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    dialog->ControlAs<QAbstractButton>(1057)->click();
    dialog->ControlAs<QAbstractButton>(DuplicateNotify::kAnswerOk)->click();
  });
  timer->start(1);
}

}  // namespace lumo::bench
