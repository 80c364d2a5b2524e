#include "about/about_info.h"

AboutInfo& TheAboutInfo() {
  static AboutInfo info;
  return info;
}

std::string MakerPageUrl(const std::string& name) {
  std::string url = kMakerPagePattern;
  return url.replace(url.find("%s"), 2, name);
}
