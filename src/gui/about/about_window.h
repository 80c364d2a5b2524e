#pragma once

#include <QIcon>
#include <QPointer>
#include <QWidget>

namespace lumo {

// The parts of the program-wide about record that belong to the GUI: the
// program icon and the window that owns the about box. Set once by the main
// window's constructor, next to TheAboutInfo().
struct AboutWindowInfo {
  QIcon icon;
  QPointer<QWidget> ownerWindow;
};

AboutWindowInfo& TheAboutWindowInfo();

}  // namespace lumo
