#include <QApplication>

#include "app/lumo_app.h"
#include "app/lumo_dlg.h"
#include "platform/classic_look.h"
#include "platform/message_box_qt.h"
#include "platform/single_instance.h"

int main(int argc, char** argv) {
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
