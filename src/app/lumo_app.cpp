#include "app/lumo_app.h"

#include "app/lumo_dlg.h"
#include "platform/single_instance.h"

int CLumoApp::InitInstance(CLumoDlg& mainWindow, SingleInstance& instance) {
  if (!instance.TryBecomeFirst()) {
    instance.AskFirstToRaise();
    return 0;
  }
  QObject::connect(&instance, &SingleInstance::raiseRequested, &mainWindow, &CLumoDlg::BringToFront);
  mainWindow.DoModal();
  return 0;
}
