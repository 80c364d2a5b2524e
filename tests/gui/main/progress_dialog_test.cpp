#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "gui/main/progress_dlg.h"
#include "gui/platform/dialog_test_util.h"

using namespace lumo;

namespace {

TEST(ProgressPanel, AppearsCentredWithoutCaptionAndBothBarsEmpty) {
  QWidget owner;
  LumoProgressDlg panel;
  ASSERT_TRUE(panel.CreateModeless(&owner));
  EXPECT_TRUE(panel.isVisible());
  EXPECT_EQ(panel.parentWidget(), &owner);
  EXPECT_TRUE(panel.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(panel.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((panel.geometry().center() - area.center()).manhattanLength(), 2);
  EXPECT_EQ(panel.Loaded(), 0);
  EXPECT_EQ(panel.Formatted(), 0);
  auto* upper = panel.ControlAs<QProgressBar>(LumoProgressDlg::kLoadedBar);
  EXPECT_EQ(upper->maximum(), 100);
  EXPECT_LT(upper->y(), panel.Control(LumoProgressDlg::kFormattedBar)->y());
  EXPECT_EQ(panel.ControlAs<QLabel>(LumoProgressDlg::kLoadedLabel)->text(), "Loaded");
}

TEST(ProgressPanel, BarsMoveWithinTheirRangeAndIgnoreTheKeyboard) {
  QWidget owner;
  LumoProgressDlg panel;
  panel.CreateModeless(&owner);
  panel.SetLoaded(42);
  panel.SetFormatted(7);
  EXPECT_EQ(panel.ControlAs<QProgressBar>(LumoProgressDlg::kLoadedBar)->value(), 42);
  EXPECT_EQ(panel.ControlAs<QProgressBar>(LumoProgressDlg::kFormattedBar)->value(), 7);
  panel.SetLoaded(250);
  panel.SetFormatted(-3);
  EXPECT_EQ(panel.Loaded(), 100);
  EXPECT_EQ(panel.Formatted(), 0);
  lumo::test::PressKey(&panel, Qt::Key_Escape);
  lumo::test::PressKey(&panel, Qt::Key_Return, "\r");
  EXPECT_TRUE(panel.isVisible());  // only its owner closes it
  panel.EndDialog(0);
  EXPECT_FALSE(panel.isVisible());
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(ProgressPanel, ShowsTheFirstChangeAtOnceAndLaterOnesAtMostEveryInterval) {
  QWidget owner;
  LumoProgressDlg panel;
  panel.CreateModeless(&owner);
  QCoreApplication::processEvents();
  PaintCounter counter;
  panel.Control(LumoProgressDlg::kLoadedBar)->installEventFilter(&counter);
  QElapsedTimer clock;
  clock.start();
  panel.SetLoaded(1);
  EXPECT_EQ(counter.paints, 1);
  for (int percent = 2; percent <= 100; ++percent) panel.SetLoaded(percent);
  // Were every percent shown, a fast load would spend its time repainting.
  EXPECT_LE(counter.paints, 2 + clock.elapsed() / LumoProgressDlg::kShowIntervalMs);
  EXPECT_EQ(panel.Loaded(), 100);
}

}  // namespace
