#include <gtest/gtest.h>

#include <QApplication>

#include "gui/platform/message_text.h"
#include "support/temp_dir.h"

// Widgets are real but drawn off screen, so the tests need no display.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  lumo::test::UseTemporaryProfileHome();
  lumo::InstallMessageText();  // as the program does at start-up
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
