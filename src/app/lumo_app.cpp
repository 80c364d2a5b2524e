#include "app/lumo_app.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdio>

#include "app/command_line.h"
#include "gui/main/lumo_dlg.h"
#include "gui/platform/single_instance.h"

namespace lumo {

int CLumoApp::InitInstance(CLumoDlg& mainWindow, SingleInstance& instance, const std::string& file) {
  if (!instance.TryBecomeFirst()) {
    // Under Wayland only the launcher's token lets the running window take
    // the focus; this copy shows no window of its own to spend it on.
    const std::string token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN").toStdString();
    if (file.empty()) {
      instance.AskFirstToRaise(token);
      return 0;
    }
    // The running copy takes only a path it can trust to be whole.
    if (file.size() <= SingleInstance::kMaxHandedPath && instance.AskFirstToOpen(file, token)) return 0;
    const std::string line = Said(QT_TRANSLATE_NOOP("CommandLine", "%1: could not be handed to the running Lumo"), {file});
    std::fprintf(stderr, "lumo: %s\n", line.c_str());
    return 1;
  }
  QObject::connect(&instance, &SingleInstance::raiseRequested, &mainWindow, [&mainWindow](const std::string& token) {
    // Qt's Wayland plugin hands this to the compositor with the next
    // activation, and forgets it; X11 ignores it.
    if (!token.empty()) qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    mainWindow.BringToFront();
  });
  QObject::connect(&instance, &SingleInstance::openRequested, &mainWindow,
                   [&mainWindow](const std::string& path) { mainWindow.RequestOpen(path); });
  mainWindow.SetStartFile(file);
  mainWindow.DoModal();
  return 0;
}

}  // namespace lumo
