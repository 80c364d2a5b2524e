#include "core/about/about_info.h"

#include "core/platform/message_box.h"

namespace lumo {

AboutInfo& TheAboutInfo() {
  static AboutInfo info;
  return info;
}

std::string MakerPageUrl(const std::string& name) { return lumo::FillIn(kMakerPagePattern, "%s", name); }

}  // namespace lumo
