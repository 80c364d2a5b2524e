#include "app/lumo_app.h"

#include <cstdio>

#include "gui/main/lumo_dlg.h"
#include "gui/platform/single_instance.h"

namespace lumo {

int CLumoApp::InitInstance(CLumoDlg& mainWindow, SingleInstance& instance, const std::string& file) {
  if (!instance.TryBecomeFirst()) {
    if (file.empty()) {
      instance.AskFirstToRaise();
      return 0;
    }
    // The running copy takes only a path it can trust to be whole.
    if (file.size() <= SingleInstance::kMaxHandedPath && instance.AskFirstToOpen(file)) return 0;
    std::fprintf(stderr, "lumo: %s: could not be handed to the running Lumo\n", file.c_str());
    return 1;
  }
  QObject::connect(&instance, &SingleInstance::raiseRequested, &mainWindow, &CLumoDlg::BringToFront);
  QObject::connect(&instance, &SingleInstance::openRequested, &mainWindow,
                   [&mainWindow](const std::string& path) { mainWindow.RequestOpen(path); });
  mainWindow.SetStartFile(file);
  mainWindow.DoModal();
  return 0;
}

}  // namespace lumo
