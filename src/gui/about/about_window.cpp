#include "gui/about/about_window.h"

namespace lumo {

AboutWindowInfo& TheAboutWindowInfo() {
  static AboutWindowInfo info;
  return info;
}

}  // namespace lumo
