#include "app/lumo_app.h"

#include "gui/main/lumo_dlg.h"
#include "gui/platform/single_instance.h"

namespace lumo {

int CLumoApp::InitInstance(CLumoDlg& mainWindow, SingleInstance& instance) {
  if (!instance.TryBecomeFirst()) {
    instance.AskFirstToRaise();
    return 0;
  }
  QObject::connect(&instance, &SingleInstance::raiseRequested, &mainWindow, &CLumoDlg::BringToFront);
  mainWindow.DoModal();
  return 0;
}

}  // namespace lumo
