#include "about/about_info.h"

AboutInfo& TheAboutInfo() {
  static AboutInfo info;
  return info;
}
