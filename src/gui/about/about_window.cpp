#include "gui/about/about_window.h"

AboutWindowInfo& TheAboutWindowInfo() {
  static AboutWindowInfo info;
  return info;
}
