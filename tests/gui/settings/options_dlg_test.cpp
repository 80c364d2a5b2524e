#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "core/collection/search_path.h"
#include "core/platform/profile.h"
#include "gui/settings/options_dlg.h"
#include "support/file_bytes.h"
#include "gui/platform/dialog_test_util.h"

using namespace lumo;

namespace {

using lumo::test::FileExists;
using lumo::test::MessageBoxRecorder;
using lumo::test::ReadBytes;
using lumo::test::WriteBytes;

class OptionsDialog : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(lumo::profile::ProfileDirectory());
    RemoveFile();
  }
  void TearDown() override { RemoveFile(); }

  static std::string File() { return lumo::profile::ResolvePath("lumo.ini"); }
  static void RemoveFile() {
    std::error_code error;
    std::filesystem::permissions(File(), std::filesystem::perms::owner_all, error);
    std::filesystem::remove(File(), error);
  }

  // Runs the dialog modally; `act` plays the user once it is open.
  static int Run(LumoOptionsDlg& dialog, std::function<void()> act) {
    QTimer::singleShot(0, &dialog, std::move(act));
    return dialog.DoModal();
  }
  static void Click(LumoOptionsDlg& dialog, int id) {
    dialog.ControlAs<QAbstractButton>(id)->click();
  }
  static QPlainTextEdit* Path(LumoOptionsDlg& dialog) {
    return dialog.ControlAs<QPlainTextEdit>(LumoOptionsDlg::kSearchPath);
  }
  // The dialog on the options of lumo.ini, and the settings that keep them.
  LumoOptionsDlg& Dialog() {
    settings_ = lumo::Settings();
    dialog_ = std::make_unique<LumoOptionsDlg>(settings_.GetOptions());
    return *dialog_;
  }
  bool Save() { return settings_.SaveOptions(dialog_->Values()); }
  lumo::Settings settings_;
  std::unique_ptr<LumoOptionsDlg> dialog_;
};

TEST_F(OptionsDialog, FirstRunUsesTheDefaultsAndAnUnchangedSaveWritesNothing) {
  LumoOptionsDlg& dialog = Dialog();
  const std::string home = std::getenv("HOME");
  EXPECT_EQ(dialog.Values().searchPath,
            home + "/.wine/drive_c/windows;" + home + "/.wine/drive_c/winnt");
  EXPECT_EQ(Run(dialog, [&] { Click(dialog, 1); }), 1);
  EXPECT_EQ(dialog.Values(), settings_.GetOptions());  // filling the controls is not a change
  EXPECT_TRUE(Save());
  EXPECT_FALSE(FileExists(File()));
  EXPECT_FALSE(FileExists(lumo::profile::ProfileDirectory() + "/lumo.ini.tmp"));
}

TEST_F(OptionsDialog, ReadsStoredValuesAndKeepsAnEmptyPathEmpty) {
  WriteBytes(File(), "[Options]\r\nPATH=\r\ncdkeys= 1\r\ntooltips=off\r\n");
  LumoOptionsDlg& dialog = Dialog();
  dialog.UpdateData(false);
  EXPECT_TRUE(dialog.ControlAs<QCheckBox>(LumoOptionsDlg::kShowCdKeys)->isChecked());
  EXPECT_TRUE(Path(dialog)->toPlainText().isEmpty());
}

TEST_F(OptionsDialog, SaveAfterAChangeWritesTheChangedKeysAndKeepsTheRestOfTheFile) {
  WriteBytes(File(), "; mine\r\n[report]\r\ntitle=Output\r\n[options]\r\npath=/a;/b\r\n");
  LumoOptionsDlg& dialog = Dialog();
  EXPECT_EQ(Run(dialog, [&] {
              Click(dialog, 1025);
              Click(dialog, 1027);
              Click(dialog, 1);
            }),
            1);
  EXPECT_EQ(dialog.Values(), (lumo::Options{"/a;/b", 1, 0}));
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(File()),
            "; mine\r\n[report]\r\ntitle=Output\r\n[options]\r\npath=/a;/b\r\ncdkeys=1\r\n"
            "tooltips=0\r\n");
}

TEST_F(OptionsDialog, CancelKeepsTheValuesAndALaterUnchangedSaveWritesNothing) {
  LumoOptionsDlg& dialog = Dialog();
  const std::string before = dialog.Values().searchPath;
  EXPECT_EQ(Run(dialog, [&] {
              lumo::test::TypeText(Path(dialog), "/music");
              Click(dialog, 2);
            }),
            2);
  EXPECT_EQ(dialog.Values().searchPath, before);

  // The dialog shows the values again; a cancelled change is no change.
  EXPECT_EQ(Run(dialog, [&] {
              EXPECT_EQ(Path(dialog)->toPlainText().toStdString(), before);
              Click(dialog, 1);
            }),
            1);
  EXPECT_TRUE(Save());
  EXPECT_FALSE(FileExists(File()));
}

TEST_F(OptionsDialog, OverlongPathKeepsTheDialogOpenUntilShortened) {
  const std::string longPath(300, 'p');
  const std::string original = "[options]\npath=" + longPath + "\n";
  WriteBytes(File(), original);
  MessageBoxRecorder boxes;
  LumoOptionsDlg& dialog = Dialog();
  EXPECT_EQ(Run(dialog, [&] {
              EXPECT_EQ(Path(dialog)->toPlainText().size(), 300);  // shown whole
              Click(dialog, 1025);
              Click(dialog, 1);
              ASSERT_TRUE(dialog.isVisible());
              EXPECT_EQ(ReadBytes(File()), original);
              Path(dialog)->setPlainText("/short");
              Click(dialog, 1);
            }),
            1);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, "Please enter no more than 255 characters.");
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(File()), "[options]\npath=/short\ncdkeys=1\n");
}

TEST_F(OptionsDialog, RefusesAPastedLineBreakInsteadOfBreakingTheFile) {
  MessageBoxRecorder boxes;
  LumoOptionsDlg& dialog = Dialog();
  EXPECT_EQ(Run(dialog, [&] {
              Path(dialog)->setPlainText("/a\n/b");
              Click(dialog, 1);
              ASSERT_TRUE(dialog.isVisible());
              Click(dialog, 2);
            }),
            2);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text,
            "Please keep the search path on one line, with its folders separated by \";\".");
  EXPECT_EQ(dialog.Values().searchPath, DefaultSearchPath());
}

TEST_F(OptionsDialog, TypingStopsAtTheLimitAndKeepsLetterCase) {
  LumoOptionsDlg dialog({std::string(250, 'x')});
  Run(dialog, [&] {
    Path(dialog)->moveCursor(QTextCursor::End);
    lumo::test::TypeText(Path(dialog), "/Music/abc");
    Click(dialog, 1);
  });
#ifdef Q_OS_WIN
  EXPECT_EQ(dialog.Values().searchPath, std::string(250, 'x') + "/MUSI");
#else
  EXPECT_EQ(dialog.Values().searchPath, std::string(250, 'x') + "/Musi");
#endif
}

TEST_F(OptionsDialog, ToolTipsFollowTheSettingWhenTheDialogOpens) {
  LumoOptionsDlg dialog({"", 0, 0});
  Run(dialog, [&] {
    EXPECT_TRUE(dialog.Control(LumoOptionsDlg::kSearchPath)->toolTip().isEmpty());
    Click(dialog, 1027);  // switching on takes effect at the next opening
    EXPECT_TRUE(dialog.Control(LumoOptionsDlg::kShowCdKeys)->toolTip().isEmpty());
    Click(dialog, 1);
  });
  Run(dialog, [&] {
    EXPECT_EQ(dialog.Control(LumoOptionsDlg::kShowCdKeys)->toolTip(), "Show or hide unique CD key for each album");
    EXPECT_EQ(dialog.Control(LumoOptionsDlg::kShowToolTips)->toolTip(), "Turn tooltips on or off");
    Click(dialog, 2);
  });
}

TEST_F(OptionsDialog, EveryControlLiesInsideTheDialog) {
  LumoOptionsDlg dialog({});
  Run(dialog, [&] {
    for (int id : {1, 2, 1026, 1025, 1027}) {
      EXPECT_TRUE(dialog.rect().contains(dialog.Control(id)->geometry())) << id;
    }
    if (const char* shot = std::getenv("LUMO_SCREENSHOT")) {
      dialog.grab().scaled(dialog.size() * 2).save(shot);
      dialog.Control(LumoOptionsDlg::kSearchPath)->grab().save(QString(shot) + ".edit.png");
    }
    Click(dialog, 2);
  });
}

}  // namespace

namespace {

// Blanks at the end of a value cannot be read back from lumo.ini: they are
// dropped, rather than failing the save with a misleading message.
TEST_F(OptionsDialog, BlanksAtTheEndOfThePathAreDroppedNotAFailedSave) {
  MessageBoxRecorder boxes;
  LumoOptionsDlg& dialog = Dialog();
  EXPECT_EQ(Run(dialog, [&] {
              Path(dialog)->setPlainText(QStringLiteral("/music/wine;/backup \t "));
              Click(dialog, 1);
            }),
            1);
  EXPECT_TRUE(boxes.Messages().empty());
  EXPECT_TRUE(Save());
  EXPECT_EQ(lumo::profile::GetString("options", "path", "?", "lumo.ini"), "/music/wine;/backup");
}

}  // namespace

namespace {

// Folders are file-system names: what the user sees and types is what the
// disk spells, and lumo.ini keeps the disk's bytes.
TEST_F(OptionsDialog, AccentedFoldersRoundTripThroughTheFieldAndLumoIni) {
  const std::string path = "/home/José/Música;/srv/日本;/srv/naïve test";
  WriteBytes(File(), "[options]\r\npath=" + path + "\r\n");
  MessageBoxRecorder boxes;
  LumoOptionsDlg& dialog = Dialog();
  EXPECT_EQ(Run(dialog, [&] {
              EXPECT_EQ(Path(dialog)->toPlainText(), QString::fromStdString(path));
              Path(dialog)->setPlainText(Path(dialog)->toPlainText() + QStringLiteral(";/mnt/日本語"));
              Click(dialog, 1);
            }),
            1);
  EXPECT_TRUE(boxes.Messages().empty());
  EXPECT_TRUE(Save());
  EXPECT_EQ(ReadBytes(File()), "[options]\r\npath=" + path + ";/mnt/日本語\r\n");
}

// The limit is on characters, as the field counts them, not on bytes.
TEST_F(OptionsDialog, TheLengthLimitCountsCharactersNotBytes) {
  MessageBoxRecorder boxes;
  LumoOptionsDlg dialog({});
  const QString path = QStringLiteral("/") + QString(200, QChar(0x65E5));  // 601 bytes
  EXPECT_EQ(Run(dialog, [&] {
              Path(dialog)->setPlainText(path);
              Click(dialog, 1);
            }),
            1);
  EXPECT_TRUE(boxes.Messages().empty());
  EXPECT_EQ(dialog.Values().searchPath, path.toStdString());
}

}  // namespace
