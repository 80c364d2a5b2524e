#pragma once

#include <string>

namespace lumo {

class CLumoDlg;
class SingleInstance;

// The program's start: one copy at a time. The first copy runs the main
// window until it closes; a later copy brings the running copy's window to
// the front (handing over the file to open, if any), shows nothing and ends.
class CLumoApp {
 public:
  // Runs the start-up rule with `mainWindow` (already constructed, so the
  // settings have been read in every copy) and returns the exit code: 0, or
  // 1 when a file could not be handed over. `file`: an absolute path to
  // open, or empty.
  int InitInstance(CLumoDlg& mainWindow, SingleInstance& instance, const std::string& file = {});
};

}  // namespace lumo
