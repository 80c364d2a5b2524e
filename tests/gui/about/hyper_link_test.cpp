#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <filesystem>

#include "gui/about/desktop_launch.h"
#include "gui/about/hyper_link.h"
#include "fake_desktop.h"
#include "gui/platform/shell_open.h"
#include "support/message_box_recorder.h"

using namespace lumo;

namespace {

using lumo::test::FakeDesktop;
using lumo::test::MessageBoxRecorder;

class HyperLinkTest : public ::testing::Test {
 protected:
  HyperLinkTest() : other(new QPushButton(&window)), link(new CHyperLink(&window)) {
    window.resize(300, 100);
    other->setGeometry(10, 50, 80, 25);
    link->setGeometry(10, 10, 250, 20);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    link->setText(QStringLiteral("http://www.lumo.example/Lumo.html"));
    link->SetOpener([this](const QString& url) {
      opened.push_back(url);
      return result;
    });
    link->Attach();
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
  }

  QWidget window;
  QPushButton* other;
  CHyperLink* link;
  std::vector<QString> opened;
  int result = lumo::kShellLaunched;
  MessageBoxRecorder boxes;
};

TEST_F(HyperLinkTest, TakesItsAddressFromItsTextAndShowsItAsTooltip) {
  EXPECT_EQ(link->Url(), QStringLiteral("http://www.lumo.example/Lumo.html"));
  EXPECT_EQ(link->toolTip(), link->Url());
  // The default style underlines and shows the hand.
  EXPECT_TRUE(link->font().underline());
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  // Sized to its text, still centred where the label was.
  EXPECT_EQ(link->height(), link->fontMetrics().height());
  EXPECT_NEAR(link->geometry().center().x(), 10 + 125, 1);
}

TEST_F(HyperLinkTest, ColourFollowsTheState) {
  EXPECT_EQ(link->TextColour(), QColor(CHyperLink::kLinkColour));
  QTest::mouseMove(link, QPoint(2, 2));
  EXPECT_TRUE(link->IsHovering());
  EXPECT_EQ(link->TextColour(), QColor(CHyperLink::kLinkColour));  // no hover colour by default
  link->SetStyleFlags(CHyperLink::kDefaultStyle | CHyperLink::kUseHover);
  EXPECT_EQ(link->TextColour(), QColor(CHyperLink::kHoverColour));
  QTest::mouseMove(&window, QPoint(290, 90));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(link, &leave);
  EXPECT_FALSE(link->IsHovering());

  link->setFocus();
  EXPECT_TRUE(link->IsActive());
  EXPECT_EQ(link->TextColour(), QColor(CHyperLink::kFocusColour));
  link->FollowLink();
  EXPECT_EQ(link->TextColour(), QColor(CHyperLink::kFocusColour));  // the focus colour wins over visited
  link->clearFocus();
  EXPECT_EQ(link->TextColour(), QColor(CHyperLink::kVisitedColour));
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(CHyperLink::kVisitedColour));
}

TEST_F(HyperLinkTest, OpensOnceOnReleaseAndWithTheSpaceBar) {
  QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_TRUE(opened.empty());
  EXPECT_TRUE(link->hasFocus());
  QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(3, 3));
  ASSERT_EQ(opened.size(), 1u);
  QTest::keyClick(link, Qt::Key_Space);
  QTest::keyClick(link, Qt::Key_A);
  EXPECT_EQ(opened.size(), 2u);
  QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
  QApplication::sendEvent(link, &held);  // a held space bar repeats: no more pages
  EXPECT_EQ(opened.size(), 2u);
  QTest::mousePress(link, Qt::LeftButton, {}, QPoint(3, 3));
  QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(3, link->height() + 20));  // let go off the link
  EXPECT_EQ(opened.size(), 2u);
  EXPECT_TRUE(link->IsVisited());
  EXPECT_TRUE(boxes.Messages().empty());
}

TEST_F(HyperLinkTest, AScreenReadersPressOpensIt) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(link);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::Link);
  EXPECT_EQ(accessible->text(QAccessible::Name), link->text());
  ASSERT_NE(accessible->actionInterface(), nullptr);
  accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(opened.size(), 1u);
}

TEST_F(HyperLinkTest, AFailedOpeningSaysWhyAndIsNotVisited) {
  result = lumo::kShellNoAssociation;
  link->FollowLink();
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text,
            "Can't open link:\n\nThere is no application associated\nwith the given filename extension.");
  EXPECT_EQ(boxes.Messages()[0].icon, lumo::MessageIcon::Warning);
  EXPECT_FALSE(link->IsVisited());
}

// The opener fails, so the link falls back to the browser that the desktop
// registers for HTML, which gets the address as one argument however odd;
// with none registered, the opener's own code is the answer.
TEST(OpenLinkWithShell, FallsBackToTheRegisteredHtmlCommand) {
  FakeDesktop desktop;
  desktop.Add("xdg-open", 2);
  desktop.Add("xdg-mime", 0, "echo fake-browser.desktop\n");
  EXPECT_EQ(lumo::OpenLinkWithShell(QStringLiteral("http://x.example/")), lumo::kShellFileNotFound);
  EXPECT_EQ(desktop.Logged("xdg-mime"), "query\ndefault\ntext/html\n");

  const std::string browser = desktop.Add("browse", 0);
  std::filesystem::create_directories(desktop.Dir().File("data/applications"));
  lumo::test::WriteBytes(desktop.Dir().File("data/applications/fake-browser.desktop"),
                         "[Desktop Entry]\nType=Application\nExec=" + browser + " --new \"%u\" --ignored\n");
  const QString url = QStringLiteral("http://x.example/a b\"c';$(touch gone)");
  EXPECT_GT(lumo::OpenLinkWithShell(url), 32);
  for (int i = 0; i < 200 && desktop.Logged("browse").empty(); ++i) QTest::qWait(10);
  EXPECT_EQ(desktop.Logged("browse"), "--new\n" + url.toStdString() + "\n");
}

}  // namespace
