#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <utility>

#include "gui/about/about_dlg.h"
#include "core/about/about_info.h"
#include "gui/about/about_pages.h"
#include "gui/about/about_window.h"
#include "gui/about/desktop_launch.h"
#include "gui/about/hyper_link.h"
#include "fake_desktop.h"
#include "support/message_box_recorder.h"
#include "gui/widgets/shaped_button.h"

using namespace lumo;

namespace {

using lumo::test::FakeDesktop;
using lumo::test::MessageBoxRecorder;

AboutInfo TestInfo() { return AboutInfo{"Lumo", "v2.0 Beta2", "Overview text.", "Terms."}; }

QString EditText(QWidget* page) {
  return static_cast<AboutTextPage*>(page)->ControlAs<QPlainTextEdit>(AboutTextPage::kText)->toPlainText();
}

// Opens the box modelessly, as DoModal would, without a nested loop.
class AboutDlgTest : public ::testing::Test {
 protected:
  AboutDlgTest() { dialog.CreateModeless(nullptr); }

  AboutInfo info = TestInfo();
  AboutDlg dialog{info};
  MessageBoxRecorder boxes;
};

TEST_F(AboutDlgTest, ShowsNameVersionAndThreePages) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("About Lumo v2.0 Beta2"));
  EXPECT_EQ(dialog.ControlAs<QLabel>(AboutDlg::kNameAndVersion)->text(), QStringLiteral("Lumo v2.0 Beta2"));
  // Each label goes with its page.
  const QStringList labels{QStringLiteral("Brightfern"), QStringLiteral("Overview"),
                           QStringLiteral("Distribution and Legal")};
  ASSERT_EQ(dialog.Tabs()->count(), labels.size());
  for (int i = 0; i < labels.size(); ++i) EXPECT_EQ(dialog.Tabs()->tabText(i), labels[i]);
  EXPECT_EQ(EditText(dialog.Page(1)), QStringLiteral("Overview text."));
  EXPECT_TRUE(EditText(dialog.Page(2)).startsWith(QStringLiteral("Terms.")));
  EXPECT_EQ(static_cast<AboutTextPage*>(dialog.Page(2))->PageText(), "Terms.\r\n\r\n");

  auto* maker = static_cast<AboutMakerPage*>(dialog.Page(0));
  EXPECT_EQ(maker->Link().Url(), QString::fromLatin1(kMakerPageUrl));
  EXPECT_TRUE(maker->Link().focusPolicy() & Qt::TabFocus);  // keyboards reach it too
  EXPECT_FALSE(maker->ControlAs<QLabel>(AboutMakerPage::kLogo)->pixmap().isNull());

  // The four buttons are pills that clip their windows to their shape.
  for (int id : {AboutDlg::kExit, AboutDlg::kWebPage, AboutDlg::kMail, AboutDlg::kDocumentation}) {
    auto* button = dialog.ControlAs<ShapedButton>(id);
    ASSERT_NE(button, nullptr) << id;
    EXPECT_FALSE(button->Rings()[0].empty() || button->mask().isEmpty()) << id;
  }
  EXPECT_TRUE(dialog.ControlAs<ShapedButton>(AboutDlg::kExit)->isDefault());
}

TEST_F(AboutDlgTest, SwitchingTabsShowsExactlyOnePage) {
  dialog.show();
  for (int selected : {0, 2, 1, 0}) {
    dialog.Tabs()->setCurrentIndex(selected);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(dialog.Page(i)->isVisible(), i == selected) << selected << " " << i;
  }
  EXPECT_EQ(EditText(dialog.Page(1)), QStringLiteral("Overview text."));  // kept while open
}

TEST_F(AboutDlgTest, IconOnlyWhenThereIsOne) {
  const QIcon saved = TheAboutWindowInfo().icon;
  QPixmap square(16, 16);
  square.fill(Qt::red);
  for (const QIcon& icon : {QIcon(), QIcon(square)}) {
    TheAboutWindowInfo().icon = icon;
    AboutDlg box(info);
    box.CreateModeless(nullptr);
    EXPECT_EQ(box.ControlAs<QLabel>(AboutDlg::kIcon)->pixmap().isNull(), icon.isNull());
  }
  TheAboutWindowInfo().icon = saved;
}

TEST_F(AboutDlgTest, EnterAndEscapeCloseTheBox) {
  for (auto [key, result] : {std::pair{Qt::Key_Return, lumo::kIdOk}, std::pair{Qt::Key_Escape, lumo::kIdCancel}}) {
    if (dialog.result() != 0) dialog.CreateModeless(nullptr);  // open again once closed
    dialog.show();
    QTest::keyClick(&dialog, key);
    EXPECT_EQ(dialog.result(), result) << key;
    EXPECT_FALSE(dialog.isVisible()) << key;
  }
}

TEST_F(AboutDlgTest, ButtonsReachTheDesktop) {
  FakeDesktop desktop;
  desktop.Add("xdg-open", 0);
  dialog.ControlAs<QPushButton>(AboutDlg::kWebPage)->click();
  dialog.ControlAs<QPushButton>(AboutDlg::kMail)->click();
  EXPECT_EQ(desktop.Logged("xdg-open"), std::string(kMakerPageUrl) +
                                            "\nmailto:lumo-feedback@brightfern.example?subject=Feedback:Lumo_v2.0%20Beta2\n");
  EXPECT_TRUE(boxes.Messages().empty());
}

TEST_F(AboutDlgTest, MissingDocumentationIsExplained) {
  FakeDesktop desktop;  // nothing next to the test program is documentation
  dialog.ControlAs<QPushButton>(AboutDlg::kDocumentation)->click();
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text,
            "Unable to locate Lumo.html.  It is most likely that you have an incomplete\n"
            "copy of Lumo.  Please complain to whoever sent it to you,\n"
            "and visit our web site to get the complete version of the software.");
  EXPECT_EQ(boxes.Messages()[0].icon, lumo::MessageIcon::Information);
}

TEST(FeedbackMail, FallsBackToTheMailHandOffThenSaysBothFailed) {
  MessageBoxRecorder boxes;
  FakeDesktop desktop;
  desktop.Add("xdg-open", 3);
  desktop.Add("xdg-email", 0);
  EXPECT_TRUE(lumo::SendFeedbackMail(TestInfo()));
  EXPECT_EQ(desktop.Logged("xdg-email"),
            "mailto:lumo-feedback@brightfern.example?subject=Feedback:Lumo_v2.0%20Beta2\n");
  EXPECT_TRUE(boxes.Messages().empty());

  std::remove((desktop.Dir().File("xdg-email")).c_str());
  EXPECT_FALSE(lumo::SendFeedbackMail(TestInfo()));
  ASSERT_EQ(boxes.Messages().size(), 2u);
  EXPECT_EQ(boxes.Messages()[0].text, "Can't generate a mail message.  Do you have mail installed?");
  EXPECT_EQ(boxes.Messages()[1].text, "Failed to send mail - tried indirect (browser) and direct (MAPI)");
}

TEST(Documentation, OpensTheFirstCandidateThatOpensFolderByFolder) {
  FakeDesktop desktop;
  // The opener refuses the guide, so the next file is tried.
  desktop.Add("xdg-open", 0, "case \"$1\" in *Lumo.html) exit 1;; esac\n");
  lumo::test::TempDir first, second;
  lumo::test::WriteBytes(first.File("Lumo.html"), "guide");
  lumo::test::WriteBytes(first.File("ReadMe.txt"), "text");
  lumo::test::WriteBytes(second.File("Lumo.html"), "installed guide");
  const QStringList folders{QString::fromStdString(first.Path()), QString::fromStdString(second.Path())};
  EXPECT_TRUE(lumo::OpenDocumentationIn(TestInfo(), folders));
  EXPECT_EQ(desktop.Logged("xdg-open"), first.File("Lumo.html") + "\n" + first.File("ReadMe.txt") + "\n");
  EXPECT_FALSE(lumo::OpenDocumentationIn(TestInfo(), {QString::fromStdString(desktop.Dir().File("empty"))}));
  const QStringList where = lumo::DocumentationFolders();
  ASSERT_EQ(where.size(), 2);
  EXPECT_EQ(where[1], QDir::cleanPath(where[0] + QStringLiteral("/../share/doc/lumo")));
}

}  // namespace
