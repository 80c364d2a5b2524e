#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QApplication>

#include "gui/platform/lumo_dialog.h"
#include "gui/platform/message_box_qt.h"
#include "gui/platform/tool_tips.h"

namespace {

TEST(ToolTips, SwitchAllTextsOffAndBackOn) {
  lumo::LumoDialog dialog(130);
  lumo::ToolTips tips(dialog);
  EXPECT_TRUE(tips.AddTool(lumo::OptionsIds::kSearchPath));
  EXPECT_TRUE(tips.AddTool(lumo::OptionsIds::kShowCdKeys, "Own é"));
  EXPECT_FALSE(tips.AddTool(4711, "no such control"));
  EXPECT_FALSE(tips.AddTool(1));  // no string numbered 1
  EXPECT_EQ(dialog.Control(lumo::OptionsIds::kSearchPath)->toolTip(),
            "Search path for finding cdplayer.ini.  (Searched left-to-right)");
  EXPECT_EQ(dialog.Control(lumo::OptionsIds::kShowCdKeys)->toolTip(), QString::fromUtf8("Own \u00e9"));

  tips.Activate(false);
  EXPECT_FALSE(tips.IsActive());
  EXPECT_TRUE(dialog.Control(lumo::OptionsIds::kSearchPath)->toolTip().isEmpty());
  EXPECT_TRUE(tips.AddTool(lumo::OptionsIds::kShowToolTips));  // added while off: stays silent until on
  EXPECT_TRUE(dialog.Control(lumo::OptionsIds::kShowToolTips)->toolTip().isEmpty());

  tips.Activate(true);
  EXPECT_EQ(dialog.Control(lumo::OptionsIds::kShowCdKeys)->toolTip(), QString::fromUtf8("Own \u00e9"));
  EXPECT_EQ(dialog.Control(lumo::OptionsIds::kShowToolTips)->toolTip(), "Turn tooltips on or off");
  EXPECT_TRUE(dialog.Control(2)->toolTip().isEmpty());
}

TEST(QtMessageBoxes, CaptionIsTheExecutablesNameAndTextIsPlain) {
  const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  ASSERT_FALSE(name.isEmpty());
  EXPECT_EQ(lumo::MessageBoxCaption(), name);
  auto box = lumo::MakeMessageBox("Can't find <b>xé</b>", lumo::MessageButtons::Ok,
                                  lumo::MessageIcon::Stop);
  EXPECT_EQ(box->windowTitle(), name);
  EXPECT_EQ(box->text(), QString::fromUtf8("Can't find <b>x\u00e9</b>"));
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

TEST(QtMessageBoxes, MapIconsAndButtons) {
  struct Case {
    lumo::MessageIcon icon;
    QMessageBox::Icon expected;
  };
  for (Case c : {Case{lumo::MessageIcon::Stop, QMessageBox::Critical},
                 Case{lumo::MessageIcon::Warning, QMessageBox::Warning},
                 Case{lumo::MessageIcon::Information, QMessageBox::Information},
                 Case{lumo::MessageIcon::Question, QMessageBox::Question},
                 Case{lumo::MessageIcon::None, QMessageBox::NoIcon}}) {
    EXPECT_EQ(lumo::MakeMessageBox("x", lumo::MessageButtons::Ok, c.icon)->icon(), c.expected);
  }
  auto yesNo = lumo::MakeMessageBox("?", lumo::MessageButtons::YesNo, lumo::MessageIcon::Question);
  EXPECT_EQ(yesNo->standardButtons(), QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(yesNo->defaultButton(), yesNo->button(QMessageBox::Yes));
  EXPECT_EQ(yesNo->escapeButton(), yesNo->button(QMessageBox::No));
  auto okCancel = lumo::MakeMessageBox("?", lumo::MessageButtons::OkCancel, lumo::MessageIcon::None);
  EXPECT_EQ(okCancel->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_EQ(okCancel->defaultButton(), okCancel->button(QMessageBox::Ok));

  EXPECT_EQ(lumo::AnswerFromResult(QMessageBox::Yes, lumo::MessageButtons::YesNo), lumo::kAnswerYes);
  EXPECT_EQ(lumo::AnswerFromResult(QMessageBox::No, lumo::MessageButtons::YesNo), lumo::kAnswerNo);
  EXPECT_EQ(lumo::AnswerFromResult(QMessageBox::Cancel, lumo::MessageButtons::OkCancel),
            lumo::kAnswerCancel);
  EXPECT_EQ(lumo::AnswerFromResult(-1, lumo::MessageButtons::OkCancel), lumo::kAnswerCancel);
  EXPECT_EQ(lumo::AnswerFromResult(-1, lumo::MessageButtons::Ok), lumo::kAnswerOk);
}

TEST(QtMessageBoxes, InstalledHandlerShowsAModalBoxAndReturnsTheAnswer) {
  lumo::InstallQtMessageBoxes();
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(lumo::ShowMessageBox("Delete?", lumo::MessageButtons::YesNo, lumo::MessageIcon::Question),
            lumo::kAnswerNo);
  lumo::SetMessageBoxHandler({});
}

}  // namespace
