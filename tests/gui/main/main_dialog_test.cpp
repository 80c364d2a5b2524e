#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "gui/main/animation_ctrl.h"
#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "core/catalogue/catalogue_item.h"
#include "gui/edit/tree_context_menu.h"
#include "gui/platform/dialog_test_util.h"
#include "core/platform/profile.h"
#include "gui/platform/text_codec.h"
#include "gui/report/report_dlg.h"
#include "gui/settings/options_dlg.h"
#include "support/collection_generator.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::MessageBoxRecorder;
using lumo::test::TempDir;

constexpr char kCollection[] =
    "[a1]\r\nartist=Beatles\r\ntitle=Revolver\r\nnumtracks=2\r\n0=Taxman\r\n1=Eleanor Rigby\r\n"
    "[a2]\r\nartist=Abba\r\ntitle=Gold\r\nnumtracks=1\r\n0=Dancing Queen\r\n"
    "[a3]\r\nartist=Beatles\r\ntitle=Abbey Road\r\n";

// A main window on settings of the test's own: lumo.ini in the temporary
// profile folder, cdplayer.ini in a temporary folder.
class MainWindow : public testing::Test {
 protected:
  void WriteSettings(const std::string& path, int cdKeys = 0, int toolTips = 1) {
    std::string folder = lumo::profile::ProfileDirectory();
    std::filesystem::create_directories(folder);
    lumo::test::WriteBytes(folder + "/lumo.ini", "[options]\r\npath=" + path + "\r\ncdkeys=" +
                                                     std::to_string(cdKeys) + "\r\ntooltips=" +
                                                     std::to_string(toolTips) + "\r\n");
  }

  // Opens the window and lets the start-up load run.
  CLumoDlg& Open() {
    window_ = std::make_unique<CLumoDlg>();
    window_->CreateModeless(nullptr);
    QApplication::processEvents();
    return *window_;
  }

  std::string Text(int id) {
    QWidget* control = window_->Control(id);
    if (auto* label = qobject_cast<QLabel*>(control)) return lumo::ToWindows1252(label->text()).value_or("?");
    if (auto* edit = qobject_cast<QLineEdit*>(control)) return lumo::ToWindows1252(edit->text()).value_or("?");
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
      return lumo::ToWindows1252(box->toPlainText()).value_or("?");
    }
    return "(no text control)";
  }

  bool Checked(int id) { return window_->ControlAs<QAbstractButton>(id)->isChecked(); }
  void Click(int id) { window_->ControlAs<QAbstractButton>(id)->click(); }

  // Chooses the command and lets it run, as it does once the menu is closed.
  void Menu(int commandId) {
    for (QAction* top : window_->MenuBar()->actions()) {
      for (QAction* item : top->menu()->actions()) {
        if (item->data().toInt() == commandId) item->trigger();
      }
    }
    QCoreApplication::sendPostedEvents(window_.get(), QEvent::MetaCall);
  }

  TreeItem* Artist(int n) {
    TreeItem* item = window_->Tree().GetChildItem(nullptr);
    while (item && n-- > 0) item = window_->Tree().GetNextSiblingItem(item);
    return item;
  }

  void TearDown() override {
    if (window_) window_->EndDialog(lumo::kIdCancel);
  }

  TempDir dir_;
  std::unique_ptr<CLumoDlg> window_;
};

TEST_F(MainWindow, HasItsCaptionControlsAndMenuCommands) {
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  EXPECT_EQ(window.windowTitle(), "LUMO");
  EXPECT_NE(window.ControlAs<LumoTreeCtrl>(CLumoDlg::kTree), nullptr);
  auto* animation = window.ControlAs<AnimationCtrl>(CLumoDlg::kAnimation);
  ASSERT_NE(animation, nullptr);
  EXPECT_TRUE(animation->IsPlaying());
  EXPECT_EQ(animation->FrameCount(), 61);

  std::set<int> commands;
  for (QAction* top : window.MenuBar()->actions()) {
    for (QAction* item : top->menu()->actions()) {
      if (!item->isSeparator()) commands.insert(item->data().toInt());
    }
  }
  EXPECT_EQ(commands, (std::set<int>{32772, 32773, 32774, 32780, 32781, 32782, 32784, 32790, 32791, 32792, 32793, 32794,
                                     32810, 32811, 32820, 32830, 32840}));
}

TEST_F(MainWindow, StartUpFindsTheFileAlongThePathAndShowsArtistsSorted) {
  TempDir empty;
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(empty.Path() + ";;" + dir_.Path());  // an empty entry does not end the search
  CLumoDlg& window = Open();
  EXPECT_TRUE(window.IsCatalogueLoaded());
  EXPECT_EQ(Text(CLumoDlg::kStatusLine), dir_.File("cdplayer.ini"));
  EXPECT_EQ(Text(CLumoDlg::kArtistCount), "2 artists");
  EXPECT_EQ(Text(CLumoDlg::kAlbumCount), "3 albums");
  EXPECT_TRUE(Checked(CLumoDlg::kLevelArtist));
  EXPECT_EQ(window.Tree().GetItemText(Artist(0)), "Abba");
  EXPECT_FALSE(window.Tree().IsExpanded(Artist(1)));
  // The albums of an artist are sorted after the load.
  EXPECT_EQ(window.Tree().GetItemText(window.Tree().GetChildItem(Artist(1))), "Abbey Road");
}

// The counts once wrapped round at 32,767: 35,000 artists showed as "-30536".
TEST_F(MainWindow, CountsShowTheTrueNumbersOfABigCollection) {
  std::string file;
  for (int i = 0; i < 70000; ++i) {
    file += "[k" + std::to_string(i) + "]\r\nartist=a" + std::to_string(i / 2) + "\r\ntitle=t" +
            std::to_string(i) + "\r\n";
  }
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), file);
  WriteSettings(dir_.Path());
  Open();
  EXPECT_EQ(Text(CLumoDlg::kArtistCount), "35000 artists");
  EXPECT_EQ(Text(CLumoDlg::kAlbumCount), "70000 albums");
}

// No box: the status line says what to do.
TEST_F(MainWindow, StartUpWithoutAFileIsSilentAndKeepsTheCountLabels) {
  MessageBoxRecorder boxes;
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  EXPECT_FALSE(window.IsCatalogueLoaded());
  EXPECT_TRUE(boxes.Messages().empty());
  EXPECT_EQ(Text(CLumoDlg::kArtistCount), "Artists");
  EXPECT_EQ(Text(CLumoDlg::kAlbumCount), "Albums");
  EXPECT_THAT(Text(CLumoDlg::kStatusLine), testing::StartsWith("No cdplayer.ini found: use File > Open..."));
}

TEST_F(MainWindow, RefreshThatFindsNothingEmptiesTreeAndCounts) {
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  ASSERT_EQ(Text(CLumoDlg::kArtistCount), "2 artists");
  std::filesystem::remove(dir_.File("cdplayer.ini"));
  MessageBoxRecorder boxes;
  Menu(CLumoDlg::kMenuRefresh);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, "Can't find cdplayer.ini.\nPlease check the path and try again");
  EXPECT_EQ(boxes.Messages()[0].icon, lumo::MessageIcon::Stop);
  EXPECT_EQ(window.Tree().GetCount(), 0);
  EXPECT_EQ(Text(CLumoDlg::kStatusLine), "");
  EXPECT_EQ(Text(CLumoDlg::kArtistCount), "0 artists");
  EXPECT_EQ(Text(CLumoDlg::kAlbumCount), "0 albums");
}

// A cdplayer.ini too large to hold is passed over, and the user is told
// which, at start-up as on Refresh (where it stands for "Can't find").
TEST_F(MainWindow, AFileTooLargeToLoadIsPassedOverWithAMessage) {
  TempDir huge;
  const std::string hugeFile = huge.File("cdplayer.ini");
  lumo::test::WriteBytes(hugeFile, "");
  ASSERT_EQ(::truncate(hugeFile.c_str(), (off_t{1} << 30) + 1), 0);  // sparse: no disk used
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(huge.Path() + ";" + dir_.Path());
  const std::string told = hugeFile + "\nis too large to be loaded: a cdplayer.ini of more than 1 GB is not read.";
  MessageBoxRecorder boxes;
  CLumoDlg& window = Open();
  EXPECT_TRUE(window.IsCatalogueLoaded());
  EXPECT_EQ(Text(CLumoDlg::kStatusLine), dir_.File("cdplayer.ini"));
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, told);
  EXPECT_EQ(boxes.Messages()[0].icon, lumo::MessageIcon::Stop);

  std::filesystem::remove(dir_.File("cdplayer.ini"));
  boxes.Clear();
  Menu(CLumoDlg::kMenuRefresh);
  EXPECT_FALSE(window.IsCatalogueLoaded());
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, told);
}

TEST_F(MainWindow, LevelsFollowTheRadioButtonsAndUserExpansionMeansCustom) {
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  LumoTreeCtrl& tree = window.Tree();
  TreeItem* revolver = tree.GetNextSiblingItem(tree.GetChildItem(Artist(1)));  // after Abbey Road
  Click(CLumoDlg::kLevelAll);
  EXPECT_TRUE(tree.IsExpanded(Artist(1)));
  EXPECT_TRUE(tree.IsExpanded(revolver));
  EXPECT_EQ(window.GetDisplayLevel(), DisplayLevel::All);
  Click(CLumoDlg::kLevelAlbum);
  EXPECT_TRUE(tree.IsExpanded(Artist(1)));
  EXPECT_FALSE(tree.IsExpanded(revolver));

  // The program's own expansion never checks Custom; the user's does.
  EXPECT_TRUE(Checked(CLumoDlg::kLevelAlbum));
  emit tree.itemExpandedByUser(Artist(0), false);
  EXPECT_TRUE(Checked(CLumoDlg::kLevelCustom));
  EXPECT_EQ(window.GetDisplayLevel(), DisplayLevel::Custom);

  Menu(CLumoDlg::kMenuRefresh);  // every load comes back at the Artist level
  EXPECT_TRUE(Checked(CLumoDlg::kLevelArtist));
  EXPECT_FALSE(tree.IsExpanded(Artist(1)));
}

// The All level on more rows than the view can lay out (here a million
// tracks without names) is declined with a word why; the Album level stays,
// and no track is made.
TEST_F(MainWindow, AllLevelOnMoreThanAMillionRowsIsRefusedAndTheLevelKept) {
  lumo::bench::CollectionShape shape;
  shape.kind = lumo::bench::CollectionShape::Kind::UnnamedTracks;
  shape.albums = 10100;
  shape.tracksPerAlbum = 99;
  lumo::bench::WriteCollection(shape, dir_.File("cdplayer.ini"));
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  LumoTreeCtrl& tree = window.Tree();
  ASSERT_GT(tree.GetCount(), LumoTreeCtrl::kMaxAllLevelRows);
  Click(CLumoDlg::kLevelAlbum);
  MessageBoxRecorder boxes;
  Click(CLumoDlg::kLevelAll);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_NE(boxes.Messages()[0].text.find(std::to_string(tree.GetCount())), std::string::npos);
  EXPECT_TRUE(Checked(CLumoDlg::kLevelAlbum));
  EXPECT_EQ(window.GetDisplayLevel(), DisplayLevel::Album);
  TreeItem* album = tree.GetChildItem(Artist(0));
  EXPECT_TRUE(tree.IsExpanded(Artist(0)));
  EXPECT_FALSE(tree.IsExpanded(album));
  EXPECT_TRUE(album->HasPendingChildren());
}

TEST_F(MainWindow, CdKeyBoxShowsTheSelectedAlbumsKey) {
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(dir_.Path(), 1);
  CLumoDlg& window = Open();
  EXPECT_TRUE(window.Control(CLumoDlg::kCdKeyBox)->isVisibleTo(&window));
  LumoTreeCtrl& tree = window.Tree();
  TreeItem* gold = tree.GetChildItem(Artist(0));
  tree.SelectItem(gold);
  EXPECT_EQ(Text(CLumoDlg::kCdKeyBox), "A2");  // in capitals, as the box shows any text
  tree.SelectItem(tree.GetChildItem(gold));  // a track
  EXPECT_EQ(Text(CLumoDlg::kCdKeyBox), "");
  tree.SelectItem(gold);
  tree.SelectItem(Artist(1));
  EXPECT_EQ(Text(CLumoDlg::kCdKeyBox), "");
}

// The options take effect at once, even when lumo.ini cannot take them:
// the main window then says so.
TEST_F(MainWindow, CdKeyBoxHiddenByDefaultAndShownAfterPreferences) {
  using std::filesystem::perms;
  const std::string ini = lumo::profile::ResolvePath("lumo.ini");
  MessageBoxRecorder boxes;
  for (const bool writable : {true, false}) {
    WriteSettings(dir_.Path(), 0);
    std::filesystem::permissions(ini, writable ? perms::owner_all : perms::owner_read);
    CLumoDlg& window = Open();
    EXPECT_FALSE(window.Control(CLumoDlg::kCdKeyBox)->isVisibleTo(&window));
    QTimer::singleShot(0, [] {
      auto* options = qobject_cast<LumoOptionsDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(options, nullptr);
      options->ControlAs<QAbstractButton>(LumoOptionsDlg::kShowCdKeys)->click();
      options->ControlAs<QAbstractButton>(LumoOptionsDlg::kSave)->click();
    });
    Menu(CLumoDlg::kMenuPreferences);
    EXPECT_TRUE(window.Control(CLumoDlg::kCdKeyBox)->isVisibleTo(&window));
    EXPECT_EQ(lumo::profile::GetInt("options", "cdkeys", -1, ini), writable ? 1 : 0);
  }
  std::filesystem::permissions(ini, perms::owner_all);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, kOptionsNotSaved);
}

TEST_F(MainWindow, ToolTipsFollowTheSettingReadAtStart) {
  WriteSettings(dir_.Path(), 0, 1);
  Open();
  EXPECT_EQ(window_->Control(CLumoDlg::kArtistCount)->toolTip(), "The number of artists");
  EXPECT_FALSE(window_->Control(CLumoDlg::kLevelArtist)->toolTip().isEmpty());
  window_->EndDialog(lumo::kIdCancel);
  WriteSettings(dir_.Path(), 0, 0);
  Open();
  EXPECT_TRUE(window_->Control(CLumoDlg::kArtistCount)->toolTip().isEmpty());
}

TEST_F(MainWindow, ClosingFreesEveryItem) {
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  ASSERT_GT(window.Tree().GetCount(), 0);
  Click(CLumoDlg::kExit);
  EXPECT_EQ(window.Tree().GetCount(), 0);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace

namespace {

// A close that arrives while the tree is being filled (say, from the
// session manager) waits until the load is over instead of pulling the
// items from under the build.
TEST_F(MainWindow, ACloseDuringALoadWaitsForTheLoadToEnd) {
  std::string file;
  for (int i = 0; i < 3000; ++i) {
    file += "[k" + std::to_string(i) + "]\r\nartist=A" + std::to_string(i % 300) + "\r\ntitle=T" + std::to_string(i) +
            "\r\nnumtracks=3\r\n";
  }
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), file);
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  bool closed = false;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (!closed) window.close();
    closed = true;
  });
  closer.start(0);
  Menu(CLumoDlg::kMenuRefresh);
  EXPECT_TRUE(closed);
  QApplication::processEvents();
  EXPECT_EQ(window.Tree().GetCount(), 0);
  EXPECT_FALSE(window.isVisible());
}

}  // namespace

namespace {

// The report dialog is made on first use and kept, so what it remembers
// (the file names per format) carries over from one use to the next.
TEST_F(MainWindow, ReportOpensOneDialogThatIsKeptForTheRun) {
  WriteSettings(dir_.Path());
  Open();
  std::vector<QWidget*> seen;
  auto closeTheReport = [&seen] {
    QWidget* dialog = QApplication::activeModalWidget();
    seen.push_back(qobject_cast<LumoReportDlg*>(dialog));
    if (dialog) QMetaObject::invokeMethod(dialog, "reject");
  };
  QTimer::singleShot(0, closeTheReport);
  Click(CLumoDlg::kReport);
  QTimer::singleShot(0, closeTheReport);
  Menu(CLumoDlg::kMenuReport);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_NE(seen[0], nullptr);
  EXPECT_EQ(seen[0], seen[1]);
}

}  // namespace

namespace {

// A close that arrives while a tree command waits for the user (here, at
// its confirmation) is carried out after the command, not under it.
TEST_F(MainWindow, ACloseDuringADeletionWaitsForTheDeletionToEnd) {
  lumo::test::WriteBytes(dir_.File("cdplayer.ini"), kCollection);
  WriteSettings(dir_.Path());
  CLumoDlg& window = Open();
  LumoTreeCtrl& tree = window.Tree();
  window.show();
  TreeItem* abba = Artist(0);
  window.ContextMenu().SetMenuRunner([](QMenu&, QPoint) { return TreeContextMenu::kDelete; });
  auto previous = lumo::SetMessageBoxHandler([&window](const std::string&, lumo::MessageButtons, lumo::MessageIcon) {
    window.close();  // as a session manager would, while the question is up
    return lumo::kAnswerYes;
  });
  const QRect cell = tree.visualRect(tree.Model()->IndexOf(abba));
  emit tree.rightClicked(QPoint(cell.left() + 3, cell.center().y()));
  lumo::SetMessageBoxHandler(previous);
  QApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(tree.GetCount(), 0);
  EXPECT_EQ(lumo::test::ReadBytes(dir_.File("cdplayer.ini")).find("[a2]"), std::string::npos);  // Abba's album went
}

}  // namespace
