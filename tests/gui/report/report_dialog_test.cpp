#include <QAccessible>
#include <QTimer>

#include "report_dialog_fixture.h"

namespace lumo::test {
namespace {

TEST_F(ReportDialogTest, OpensWithDefaultsWhenNothingIsStored) {
  for (const char* ini : {"", "[options]\r\ncdkeys=1\r\n"}) {  // no file, then no section
    if (*ini != '\0') WriteBytes(IniPath(), ini);
    Open();
    EXPECT_TRUE(Radio(Dlg::kHtml)->isChecked());
    EXPECT_FALSE(Radio(Dlg::kCsv)->isChecked());
    EXPECT_EQ(Name(), "Report.html");
    EXPECT_EQ(Edit(Dlg::kTitle)->text(), "Output");
    EXPECT_EQ(Edit(Dlg::kComment)->text(), "");
    EXPECT_TRUE(Edit(Dlg::kTitle)->isEnabled());
    EXPECT_TRUE(Edit(Dlg::kComment)->isEnabled());
    EXPECT_TRUE(ReportAndViewEnabled());
  }
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ReportDialogTest, SettingsRoundTripThroughLumoIni) {
  WriteBytes(IniPath(),
             "[Report]\r\nTitle=R&D <b>\r\ncomment=a=b; [x] \"q\" 100% caf\xE9\r\n"
             "type=1\r\nfilename=/tmp/with space/r\xE9port.csv\r\n");
  Open();
  EXPECT_TRUE(Radio(Dlg::kCsv)->isChecked());
  EXPECT_FALSE(Edit(Dlg::kTitle)->isEnabled());  // CSV has no title or comment
  EXPECT_FALSE(Edit(Dlg::kComment)->isEnabled());
  EXPECT_EQ(NameField()->text(), QString::fromUtf8("/tmp/with space/r\u00e9port.csv"));
  EXPECT_EQ(Edit(Dlg::kTitle)->text(), "R&D <b>");
  EXPECT_EQ(Edit(Dlg::kComment)->text(), QString::fromUtf8("a=b; [x] \"q\" 100% caf\u00e9"));

  Click(Dlg::kHtml);
  Edit(Dlg::kTitle)->setText(QString::fromUtf8("\u20ac price list"));
  Click(Dlg::kExit);
  EXPECT_EQ(dialog->result(), kIdOk);
  EXPECT_EQ(Stored("filename"), "Report.html");  // the remembered HTML name
  EXPECT_EQ(Stored("type"), "0");
  EXPECT_EQ(Stored("comment"), "a=b; [x] \"q\" 100% caf\xE9");  // Windows-1252 on disk
  EXPECT_EQ(Stored("title"), "\x80 price list");

  // A new dialog object shows exactly what the first one stored.
  dialog = NewDialog();
  Open();
  EXPECT_TRUE(Radio(Dlg::kHtml)->isChecked());
  EXPECT_EQ(Edit(Dlg::kTitle)->text(), QString::fromUtf8("\u20ac price list"));
  EXPECT_EQ(Edit(Dlg::kComment)->text(), QString::fromUtf8("a=b; [x] \"q\" 100% caf\u00e9"));
}

TEST_F(ReportDialogTest, BlanksAtTheEndOfASettingAreDroppedSoItIsStillRemembered) {
  Open();
  Edit(Dlg::kTitle)->setText(QStringLiteral("My title  "));
  Edit(Dlg::kComment)->setText(QStringLiteral("note "));
  Click(Dlg::kExit);
  EXPECT_EQ(Stored("title"), "My title");
  EXPECT_EQ(Stored("comment"), "note");
}

TEST_F(ReportDialogTest, EscAndTheCloseBoxSaveNothingWhileExitWritesWhatChanged) {
  QTimer::singleShot(0, dialog.get(), [this] {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(dialog.get(), &escape);
  });
  EXPECT_EQ(dialog->DoModal(), kIdCancel);
  EXPECT_FALSE(FileExists(IniPath()));

  const std::string before = "; mine\n[report]\ntype=1\n[options]\ncdkeys=1\n";
  WriteBytes(IniPath(), before);
  settings = Settings();
  QTimer::singleShot(0, dialog.get(), [this] {
    TypeName("other.csv");
    Click(Dlg::kHtml);
    dialog->close();
  });
  EXPECT_EQ(dialog->DoModal(), kIdCancel);
  EXPECT_EQ(ReadBytes(IniPath()), before);

  // Unchanged values write nothing.
  QTimer::singleShot(0, dialog.get(), [this] { Click(Dlg::kExit); });
  EXPECT_EQ(dialog->DoModal(), kIdOk);
  EXPECT_EQ(ReadBytes(IniPath()), before);

  // Into a new file the changed keys go in their order.
  std::filesystem::remove(IniPath());
  Open();
  Edit(Dlg::kTitle)->setText("T");
  Edit(Dlg::kComment)->setText("C");
  Click(Dlg::kCsv);
  Click(Dlg::kExit);
  const std::string after = ReadBytes(IniPath());
  const auto at = [&after](const char* text) { return after.find(text); };
  ASSERT_NE(at("title=T"), std::string::npos);
  EXPECT_LT(at("[report]"), at("filename=other.csv"));
  EXPECT_LT(at("filename=other.csv"), at("type=1"));
  EXPECT_LT(at("type=1"), at("comment=C"));
  EXPECT_LT(at("comment=C"), at("title=T"));
}

TEST_F(ReportDialogTest, SwitchingFormatsSwapsTheRememberedNames) {
  Open();
  TypeName("typed.html");
  Click(Dlg::kCsv);
  EXPECT_EQ(Name(), "lumo.csv");
  EXPECT_FALSE(Edit(Dlg::kTitle)->isEnabled());
  Click(Dlg::kHtml);
  EXPECT_EQ(Name(), "typed.html");  // twice restores the name typed before
  EXPECT_TRUE(Edit(Dlg::kTitle)->isEnabled());
  EXPECT_TRUE(Edit(Dlg::kComment)->isEnabled());

  // Clicking the selected format again still swaps: what is shown becomes
  // the CSV name, and the HTML name comes back.
  TypeName("second.htm");
  Click(Dlg::kHtml);
  EXPECT_EQ(Name(), "typed.html");
  Click(Dlg::kCsv);
  EXPECT_EQ(Name(), "second.htm");

  // The names outlive a closing; the settings are read again on opening.
  Click(Dlg::kExit);
  Open();
  EXPECT_EQ(Name(), "second.htm");
  EXPECT_TRUE(Radio(Dlg::kCsv)->isChecked());
  Click(Dlg::kHtml);
  EXPECT_EQ(Name(), "typed.html");
}

TEST_F(ReportDialogTest, ReportAndViewNeedAFileNameTypedByTheUser) {
  Open();
  TypeName("");
  EXPECT_FALSE(ReportAndViewEnabled());
  TypeName(" \t  ");
  EXPECT_FALSE(ReportAndViewEnabled());
  TypeName(QString::fromUtf8("\u00a0"));  // a no-break space is a character of the name
  EXPECT_TRUE(ReportAndViewEnabled());
  TypeName("a");
  EXPECT_TRUE(ReportAndViewEnabled());

  // Names set by a format switch or by Browse do not count until edited.
  TypeName("");
  Click(Dlg::kCsv);
  EXPECT_EQ(Name(), "lumo.csv");
  EXPECT_FALSE(ReportAndViewEnabled());
  chooserAnswer = QString::fromStdString(dir.File("chosen.csv"));
  Click(Dlg::kBrowse);
  EXPECT_EQ(Name(), dir.File("chosen.csv"));
  EXPECT_FALSE(ReportAndViewEnabled());
  TypeName("x");
  EXPECT_TRUE(ReportAndViewEnabled());
}

TEST_F(ReportDialogTest, AStoredTypeOutOfRangeSelectsNoFormat) {
  WriteBytes(IniPath(), "[report]\nfilename=" + dir.File("out.html") + "\ntype=5\n");
  tree.InsertItemWithData({ItemKind::Artist, "Abba", "", 0}, nullptr, InsertAt::Last);
  Open();
  EXPECT_FALSE(Radio(Dlg::kHtml)->isChecked());
  EXPECT_FALSE(Radio(Dlg::kCsv)->isChecked());
  EXPECT_FALSE(Edit(Dlg::kTitle)->isEnabled());
  EXPECT_FALSE(Edit(Dlg::kComment)->isEnabled());
  EXPECT_TRUE(ReportAndViewEnabled());

  Click(Dlg::kReport);
  Click(Dlg::kBrowse);
  EXPECT_FALSE(FileExists(dir.File("out.html")));
  EXPECT_TRUE(requests.empty());
  EXPECT_TRUE(messages.Messages().empty());

  Click(Dlg::kExit);
  EXPECT_EQ(Stored("type"), "-1");
  Open();  // -1 reads back as no format either, until one is picked
  EXPECT_FALSE(Radio(Dlg::kHtml)->isChecked() || Radio(Dlg::kCsv)->isChecked());
  Click(Dlg::kCsv);
  EXPECT_EQ(Name(), "lumo.csv");
  EXPECT_TRUE(Radio(Dlg::kCsv)->isChecked());
}

TEST_F(ReportDialogTest, TextsOutsideTheCodePageAreRefusedNotMangled) {
  WriteBytes(IniPath(), "[report]\ncomment=kept\n");
  Open();
  Edit(Dlg::kComment)->setText(QString::fromUtf8("\u0416 comment"));

  // A format switch is undone along with the refusal.
  Click(Dlg::kCsv);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(Radio(Dlg::kHtml)->isChecked());
  EXPECT_EQ(Name(), "Report.html");

  // Exit stays open and writes nothing.
  Click(Dlg::kExit);
  EXPECT_EQ(messages.Messages().size(), 2u);
  EXPECT_EQ(dialog->result(), 0);
  EXPECT_EQ(Stored("comment"), "kept");
  EXPECT_EQ(Stored("filename"), "<missing>");

  // A path is a file-system name, not Windows-1252 text: any name the disk
  // can hold is taken.
  Edit(Dlg::kComment)->setText("fine");
  chooserAnswer = QString::fromUtf8("/tmp/\u0416.htm");
  Click(Dlg::kBrowse);
  EXPECT_EQ(messages.Messages().size(), 2u);
  EXPECT_EQ(NameField()->text(), QString::fromUtf8("/tmp/\u0416.htm"));
  Click(Dlg::kExit);
  EXPECT_EQ(dialog->result(), kIdOk);
  EXPECT_EQ(Stored("comment"), "fine");
  EXPECT_EQ(Stored("filename"), "/tmp/\xD0\x96.htm");
}

// A screen reader checks a radio button through its toggle action, without
// a click: the format must follow all the same.
TEST_F(ReportDialogTest, AFormatCheckedThroughItsAccessibleActionIsTaken) {
  Open();
  auto toggle = [](QRadioButton* radio) {
    QAccessible::queryAccessibleInterface(radio)->actionInterface()->doAction(
        QAccessibleActionInterface::toggleAction());
  };
  toggle(Radio(Dlg::kCsv));
  EXPECT_TRUE(Radio(Dlg::kCsv)->isChecked());
  EXPECT_EQ(Name(), "lumo.csv");
  EXPECT_FALSE(Edit(Dlg::kTitle)->isEnabled());
  toggle(Radio(Dlg::kHtml));
  EXPECT_EQ(Name(), "Report.html");
  EXPECT_TRUE(Edit(Dlg::kTitle)->isEnabled());
  EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
}  // namespace lumo::test
