#pragma once

namespace lumo {

class CLumoDlg;
class SingleInstance;

// The program's start: one copy at a time. The first copy runs the main
// window until it closes; a later copy brings the running copy's window to
// the front, shows nothing and ends.
class CLumoApp {
 public:
  // Runs the start-up rule with `mainWindow` (already constructed, so the
  // settings have been read in every copy) and returns the exit code.
  int InitInstance(CLumoDlg& mainWindow, SingleInstance& instance);
};

}  // namespace lumo
