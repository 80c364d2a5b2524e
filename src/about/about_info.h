#pragma once

#include <string>

// The program-wide record of the program's name, version and texts. Filled
// once by the main window's constructor, read by the HTML report's footer,
// the about box and the mail and web commands. The icon and the owner window
// live with the GUI (about/about_window.h); this part needs no Qt.
struct AboutInfo {
  std::string name;
  std::string version;
  std::string overviewText;
  std::string distributionText;

  // "Lumo v2.0 Beta2": the name and the version label joined by one blank.
  std::string GeneratorText() const { return name + " " + version; }
};

// The one record of the program; empty until the main window fills it.
AboutInfo& TheAboutInfo();

// The maker's web page for this program. Kept under the reserved ".example"
// domain so that the program never points at somebody else's site.
inline constexpr const char* kMakerPageUrl = "http://www.lumo.example/Lumo.html";
