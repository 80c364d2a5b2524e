#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <string>
#include <vector>

#include "core/platform/code_page.h"
#include "gui/platform/edit_behaviour.h"
#include "gui/platform/lumo_dialog.h"
#include "gui/platform/dialog_test_util.h"

namespace {

using lumo::test::MessageBoxRecorder;
using lumo::test::PressKey;
using lumo::test::TypeText;

// The options template with three members, recording what reaches it.
class RecordingDialog : public lumo::LumoDialog {
 public:
  explicit RecordingDialog(int templateId = lumo::OptionsIds::kTemplate) : LumoDialog(templateId) {}

  std::string text = "c:\\windows";
  int check = 1;
  int other = 0;
  int level = 0;
  bool stayOpenOnCancel = false;
  bool endInInit = false;
  std::vector<int> commands;
  std::vector<int> edits;

 protected:
  bool OnInitDialog() override {
    if (endInInit) EndDialog(7);
    return LumoDialog::OnInitDialog();
  }
  void DoDataExchange(lumo::DataExchange& dx) override {
    dx.Text(lumo::OptionsIds::kSearchPath, text, lumo::CollectionCodePage());
    dx.MaxChars(lumo::OptionsIds::kSearchPath, text, 255);
    dx.Check(lumo::OptionsIds::kShowCdKeys, check);
    dx.Check(lumo::OptionsIds::kShowToolTips, other);
    dx.Radio(lumo::MainWindowIds::kLevelArtist, level);
  }
  bool OnCommand(int id) override {
    commands.push_back(id);
    return LumoDialog::OnCommand(id);
  }
  void OnCancel() override {
    if (!stayOpenOnCancel) LumoDialog::OnCancel();
  }
  void OnEditChange(int id) override { edits.push_back(id); }
};

QPlainTextEdit* PathEdit(const lumo::LumoDialog& dialog) {
  return dialog.ControlAs<QPlainTextEdit>(lumo::OptionsIds::kSearchPath);
}

TEST(LumoDialog, ExchangesTextAndChecksBothWays) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.UpdateData(false));
  EXPECT_EQ(PathEdit(dialog)->toPlainText(), "C:\\WINDOWS");  // an upper-case edit
  EXPECT_TRUE(dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowCdKeys)->isChecked());
  EXPECT_FALSE(dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowToolTips)->isChecked());
  EXPECT_TRUE(dialog.edits.empty());  // filling is not a change

  PathEdit(dialog)->setPlainText(QString::fromUtf8("/m\u00fcsic;/x"));
  dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowCdKeys)->setChecked(false);
  dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowToolTips)->setChecked(true);
  ASSERT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.text, "/m\xFCsic;/x");
  EXPECT_EQ(dialog.check, 0);
  EXPECT_EQ(dialog.other, 1);
  EXPECT_EQ(dialog.edits, std::vector<int>{lumo::OptionsIds::kSearchPath});
  EXPECT_EQ(dialog.Control(lumo::kNoControlId), nullptr);
  EXPECT_EQ(dialog.Control(4711), nullptr);
}

TEST(LumoDialog, ExchangesTheIndexOfARadioGroup) {
  RecordingDialog dialog(lumo::MainWindowIds::kTemplate);
  dialog.level = 2;
  dialog.UpdateData(false);
  EXPECT_TRUE(dialog.ControlAs<QRadioButton>(lumo::MainWindowIds::kLevelAll)->isChecked());
  dialog.level = -1;
  dialog.UpdateData(false);
  for (int id = lumo::MainWindowIds::kLevelArtist; id <= lumo::MainWindowIds::kLevelCustom; ++id) {
    EXPECT_FALSE(dialog.ControlAs<QRadioButton>(id)->isChecked());
  }
  dialog.level = 3;
  dialog.UpdateData(true);
  EXPECT_EQ(dialog.level, -1);
  dialog.ControlAs<QRadioButton>(lumo::MainWindowIds::kLevelAlbum)->click();
  dialog.UpdateData(true);
  EXPECT_EQ(dialog.level, 1);
  EXPECT_EQ(dialog.commands, std::vector<int>{lumo::MainWindowIds::kLevelAlbum});  // a click is a command
}

TEST(LumoDialog, FailedValidationStopsTheExchangeWithOneMessage) {
  MessageBoxRecorder boxes;
  RecordingDialog dialog;
  dialog.text = std::string(256, 'a');  // longer than the limit: shown whole
  dialog.check = 0;
  dialog.UpdateData(false);
  EXPECT_EQ(PathEdit(dialog)->toPlainText().size(), 256);
  dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowCdKeys)->setChecked(true);
  EXPECT_FALSE(dialog.UpdateData(true));
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, "Please enter no more than 255 characters.");
  EXPECT_EQ(boxes.Messages()[0].icon, lumo::MessageIcon::Warning);
  EXPECT_EQ(dialog.check, 0);  // members after the failing one keep their values

  PathEdit(dialog)->setPlainText(QString(255, 'b'));
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.check, 1);
}

// The refusal names the collection's character set; what it can hold is
// kept as its bytes.
TEST(LumoDialog, RefusesTextTheCodePageCannotHold) {
  MessageBoxRecorder boxes;
  RecordingDialog dialog;
  PathEdit(dialog)->setPlainText(QString::fromUtf8("/\u4E2D"));
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.text, "c:\\windows");
  lumo::UseCollectionCodePage(1251);
  EXPECT_FALSE(dialog.UpdateData(true));
  PathEdit(dialog)->setPlainText(QString::fromUtf8("/\u041A\u0438\u043D\u043E"));
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.text, "/\xCA\xE8\xED\xEE");
  lumo::UseCollectionCodePage(1252);
  ASSERT_EQ(boxes.Messages().size(), 2u);
  EXPECT_NE(boxes.Messages()[0].text.find("characters of the Western European (Windows-1252) character set"), std::string::npos);
  EXPECT_NE(boxes.Messages()[1].text.find("characters of the Cyrillic (Windows-1251) character set"), std::string::npos);
}

TEST(LumoDialog, EnterPressesTheDefaultButtonEvenFromAMultiLineEdit) {
  RecordingDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  dialog.show();
  PressKey(PathEdit(dialog), Qt::Key_Return, "\r");
  EXPECT_EQ(PathEdit(dialog)->toPlainText(), "C:\\WINDOWS");  // no line break typed
  EXPECT_EQ(dialog.commands, std::vector<int>{lumo::kIdOk});
  EXPECT_EQ(dialog.result(), lumo::kIdOk);
  EXPECT_FALSE(dialog.isVisible());

  // Without a default button Enter is the OK command.
  RecordingDialog main(lumo::MainWindowIds::kTemplate);
  main.CreateModeless(nullptr);
  PressKey(&main, Qt::Key_Enter, "\r", Qt::KeypadModifier);
  EXPECT_EQ(main.commands, std::vector<int>{lumo::kIdOk});
  EXPECT_EQ(main.result(), lumo::kIdOk);
}

TEST(LumoDialog, EscapeAndCloseBoxGoThroughOnCancel) {
  RecordingDialog dialog;
  dialog.stayOpenOnCancel = true;
  dialog.CreateModeless(nullptr);
  dialog.show();
  PressKey(&dialog, Qt::Key_Escape);
  dialog.close();
  dialog.reject();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.commands, (std::vector<int>{2, 2, 2}));

  dialog.stayOpenOnCancel = false;
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), lumo::kIdCancel);
}

TEST(LumoDialog, RunsModallyUntilEndDialog) {
  RecordingDialog dialog;
  QTimer::singleShot(0, &dialog, [&dialog] {
    dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowToolTips)->click();
    PressKey(PathEdit(dialog), Qt::Key_Escape);  // the edit leaves Esc to the dialog
  });
  EXPECT_EQ(dialog.DoModal(), lumo::kIdCancel);
  EXPECT_EQ(dialog.other, 0);  // cancel reads nothing back

  QTimer::singleShot(0, &dialog, [&dialog] {
    EXPECT_EQ(QApplication::focusWidget(), dialog.Control(1));  // the first tab stop
    dialog.ControlAs<QCheckBox>(lumo::OptionsIds::kShowToolTips)->click();
    dialog.ControlAs<QPushButton>(1)->click();
  });
  EXPECT_EQ(dialog.DoModal(), lumo::kIdOk);
  EXPECT_EQ(dialog.other, 1);
  EXPECT_EQ(dialog.commands, (std::vector<int>{lumo::OptionsIds::kShowToolTips, lumo::OptionsIds::kCancel, lumo::OptionsIds::kShowToolTips, lumo::OptionsIds::kSave}));
}

TEST(LumoDialog, EndingDuringInitialisationNeverShowsTheDialog) {
  RecordingDialog dialog;
  dialog.endInInit = true;
  EXPECT_EQ(dialog.DoModal(), 7);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_FALSE(dialog.CreateModeless(nullptr));
}

TEST(LumoDialog, TakesItsShapeFromTheTemplate) {
  QWidget owner;
  RecordingDialog panel(lumo::ProgressIds::kTemplate);
  ASSERT_TRUE(panel.CreateModeless(&owner));
  EXPECT_EQ(panel.parentWidget(), &owner);
  EXPECT_TRUE(panel.isVisible());  // the template is visible
  EXPECT_TRUE(panel.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(panel.minimumSize(), panel.maximumSize());

  RecordingDialog options;
  EXPECT_EQ(options.windowTitle(), "Options");
  EXPECT_EQ(options.size(), lumo::DialogBuilder(options.Template()).DialogSize());
  RecordingDialog main(lumo::MainWindowIds::kTemplate);
  EXPECT_NE(main.minimumSize(), main.maximumSize());  // sizing border
  EXPECT_EQ(main.MenuBar()->width(), main.width());
  main.MenuBar()->actions()[0]->menu()->actions()[3]->trigger();  // Open, Import, Report, Refresh
  EXPECT_TRUE(main.commands.empty());  // not while the trigger runs
  QCoreApplication::sendPostedEvents(&main, QEvent::MetaCall);
  EXPECT_EQ(main.commands, std::vector<int>{lumo::MainWindowIds::kMenuRefresh});
}

TEST(EditBehaviour, ForcesCapitalsOnlyWhileSwitchedOn) {
  RecordingDialog dialog;
  QPlainTextEdit* path = PathEdit(dialog);
  path->clear();
  const std::size_t before = dialog.edits.size();
  TypeText(path, QString::fromUtf8("c:\\win\u00e9\u00b5"));
  EXPECT_EQ(path->toPlainText(), QString::fromUtf8("C:\\WIN\u00c9\u00b5"));  // no capital for micro
  lumo::EditBehaviour::Of(path)->SetUpperCase(false);
  TypeText(path, "/x");
  EXPECT_EQ(path->toPlainText(), QString::fromUtf8("C:\\WIN\u00c9\u00b5/x"));
  EXPECT_EQ(dialog.edits.size(), before + 10);  // one change per typed character

  // Text the program puts in follows the same switch, as a classic
  // upper-case edit capitalises even the text it is given.
  dialog.UpdateData(false);
  EXPECT_EQ(path->toPlainText(), "c:\\windows");
  lumo::EditBehaviour::Of(path)->SetUpperCase(true);
  dialog.UpdateData(false);
  EXPECT_EQ(path->toPlainText(), "C:\\WINDOWS");
  EXPECT_EQ(dialog.text, "c:\\windows");  // the member is not changed by showing it
}

TEST(EditBehaviour, StopsTypingAndPastingAtTheLimit) {
  QLineEdit line;
  lumo::EditBehaviour* edit = lumo::EditBehaviour::Attach(&line);
  ASSERT_EQ(lumo::EditBehaviour::Attach(&line), edit);
  edit->SetTextLimit(5);
  edit->SetUpperCase(true);
  TypeText(&line, "abcdefg");
  EXPECT_EQ(line.text(), "ABCDE");
  line.setSelection(1, 2);
  QApplication::clipboard()->setText("xyz");
  PressKey(&line, Qt::Key_V, {}, Qt::ControlModifier);
  EXPECT_EQ(line.text(), "AXYDE");
  line.setText("longer than five");  // the program's text is kept whole
  EXPECT_EQ(line.text(), "longer than five");
  EXPECT_EQ(lumo::EditBehaviour::Attach(nullptr), nullptr);
}

}  // namespace
