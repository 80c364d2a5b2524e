#include <QGuiApplication>

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/guarded_application.h"
#include "app/lumo_app.h"
#include "gui/main/lumo_dlg.h"
#include "core/platform/atomic_file.h"
#include "core/platform/local_path.h"
#include "gui/platform/classic_look.h"
#include "gui/platform/message_box_qt.h"
#include "gui/platform/message_text.h"
#include "gui/platform/single_instance.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

int Run(int argc, char** argv) {
  // Reports, listings, help and version need neither a window nor the
  // one-copy rule: a running window is left alone.
  const CommandLine command = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (command.action != CommandLine::Action::Window || !command.usageError.empty()) {
    return RunCommandLine(command, std::cout, std::cerr);
  }
  GuardedApplication application(argc, argv);
  // A Wayland desktop shows no icon a window sets: it takes the icon, and
  // the launcher to group the window with, from the entry of this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMO_APP_ID));
  lumo::InstallTranslations(application);
  lumo::ApplyClassicLook(application);
  lumo::InstallQtMessageBoxes();
  // The main window, and with it the settings and the icon, exists in every
  // copy before the one-copy test.
  CLumoApp app;
  CLumoDlg mainWindow;
  SingleInstance instance;
  // A relative name means the caller's folder, which the running copy may not share.
  return app.InitInstance(mainWindow, instance, lumo::AbsolutePath(command.openFile));
}

}  // namespace

}  // namespace lumo

int main(int argc, char** argv) {
  // A report written into a pipe whose reader left, or past the file size
  // limit, must fail with a message rather than end the program.
  lumo::platform::IgnoreWriteSignals();
  // Before anything can fail: reports from the command line word their errors too,
  // in the user's language.
  lumo::LoadTranslations();
  lumo::InstallMessageText();
  // Events are guarded by the application object; this catches what
  // happens outside them (start-up, shut-down).
  try {
    return lumo::Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", lumo::GuardedApplication::FailureText(&error).c_str());
  } catch (...) {
    std::fprintf(stderr, "%s\n", lumo::GuardedApplication::FailureText(nullptr).c_str());
  }
  return 1;
}
