#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/lumo_app.h"
#include "app/lumo_dlg.h"
#include "platform/classic_look.h"
#include "platform/message_box_qt.h"
#include "platform/single_instance.h"

int main(int argc, char** argv) {
  // Reports, listings, help and version need neither a window nor the
  // one-copy rule: a running window is left alone.
  const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (command.action != CommandLine::Action::Window || !command.usageError.empty()) {
    return RunCommandLine(command, std::cout, std::cerr);
  }
  QApplication application(argc, argv);
  lumo::ApplyClassicLook(application);
  lumo::InstallQtMessageBoxes();
  // The main window, and with it the settings and the icon, exists in every
  // copy before the one-copy test.
  CLumoApp app;
  CLumoDlg mainWindow;
  SingleInstance instance;
  return app.InitInstance(mainWindow, instance);
}
