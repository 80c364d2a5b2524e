#pragma once

#include <string>

namespace lumo {

// The program-wide record of the program's name, version and texts. Filled
// once by the main window's constructor, read for the HTML report's footer,
// by the about box and by the mail and web commands. The icon and the owner window
// live with the GUI (about/about_window.h); this part needs no Qt.
struct AboutInfo {
  std::string name;
  std::string version;
  std::string overviewText;
  std::string distributionText;
};

// The one record of the program; empty until the main window fills it.
AboutInfo& TheAboutInfo();

// The maker's addresses, all in one place. Kept under the reserved ".example"
// domain so that the program never points at somebody else's site or inbox.
// The web page of a program is the pattern with its name for "%s".
inline constexpr const char* kMakerPagePattern = "http://www.lumo.example/%s.html";
inline constexpr const char* kMakerPageUrl = "http://www.lumo.example/Lumo.html";
inline constexpr const char* kFeedbackAddress = "lumo-feedback@brightfern.example";
inline constexpr const char* kMakerName = "Brightfern Software";

// The maker's web page for the program called `name`.
std::string MakerPageUrl(const std::string& name);

}  // namespace lumo
