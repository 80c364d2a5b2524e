// The main window reached as a keyboard user and a screen reader reach it,
// and with the folder names people really have.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/edit/tree_context_menu.h"
#include "core/platform/profile.h"
#include "support/file_bytes.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::WriteBytes;

constexpr char kCollection[] =
    "[a1]\r\nartist=Beatles\r\ntitle=Revolver\r\nnumtracks=1\r\n0=Taxman\r\n"
    "[a2]\r\nartist=Abba\r\ntitle=Gold\r\nnumtracks=1\r\n0=Dancing Queen\r\n";

class MainWindowAccess : public testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(lumo::profile::ProfileDirectory());
    std::filesystem::remove(Settings());
  }
  void TearDown() override {
    if (window_) window_->EndDialog(lumo::kIdCancel);
  }
  static std::string Settings() { return lumo::profile::ResolvePath("lumo.ini"); }

  // A folder of that name under the test's own, holding the collection.
  std::string CollectionIn(const std::string& folder) {
    const std::string path = dir_.Path() + "/" + folder;
    std::filesystem::create_directories(path);
    WriteBytes(path + "/cdplayer.ini", kCollection);
    return path;
  }

  CLumoDlg& Open() {
    window_ = std::make_unique<CLumoDlg>();
    window_->CreateModeless(nullptr);
    QApplication::processEvents();
    return *window_;
  }
  void ExpectLoadedFrom(const std::string& folder) {
    CLumoDlg& window = Open();
    EXPECT_TRUE(window.IsCatalogueLoaded());
    const QLabel* status = window.ControlAs<QLabel>(CLumoDlg::kStatusLine);
    EXPECT_EQ(status->text(), QString::fromStdString(folder + "/cdplayer.ini"));
    window.EndDialog(lumo::kIdCancel);
  }

  lumo::test::TempDir dir_;
  std::unique_ptr<CLumoDlg> window_;
};

// Folders named as people name them are found through lumo.ini, through a
// lumo.ini of an earlier version (which held the path as Windows-1252), and
// as the default Wine folder of such a home; the status line names them right.
TEST_F(MainWindowAccess, AccentedFoldersAreFoundAndShownAsNamed) {
  const std::string savedHome = std::getenv("HOME");
  for (const char* folder : {"Música", "José", "日本", "naïve test"}) {
    SCOPED_TRACE(folder);
    const std::string path = CollectionIn(folder);
    WriteBytes(Settings(), "[options]\r\npath=/nowhere;" + path + "\r\n");
    ExpectLoadedFrom(path);

    std::filesystem::remove(Settings());
    const std::string home = dir_.Path() + "/home/" + folder;
    CollectionIn(std::string("home/") + folder + "/.wine/drive_c/winnt");
    setenv("HOME", home.c_str(), 1);
    ExpectLoadedFrom(home + "/.wine/drive_c/winnt");
    setenv("HOME", savedHome.c_str(), 1);
  }
  WriteBytes(Settings(), "[options]\r\npath=" + dir_.Path() + "/M\xFAsica\r\n");
  ExpectLoadedFrom(dir_.Path() + "/Música");
}

// A screen reader checks a radio button through its toggle action, without
// a click; the level must follow all the same.
TEST_F(MainWindowAccess, ALevelCheckedThroughItsAccessibleActionIsApplied) {
  WriteBytes(Settings(), "[options]\r\npath=" + CollectionIn("c") + "\r\n");
  CLumoDlg& window = Open();
  auto* all = window.ControlAs<QAbstractButton>(CLumoDlg::kLevelAll);
  QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(all)->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  actions->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_TRUE(all->isChecked());
  EXPECT_EQ(window.GetDisplayLevel(), DisplayLevel::All);
  TreeItem* abba = window.Tree().GetChildItem(nullptr);
  EXPECT_TRUE(window.Tree().IsExpanded(abba));
  EXPECT_TRUE(window.Tree().IsExpanded(window.Tree().GetChildItem(abba)));
}

// The keys reach the tree's commands through the real window.
TEST_F(MainWindowAccess, TheTreesKeysRunItsCommands) {
  WriteBytes(Settings(), "[options]\r\npath=" + CollectionIn("c") + "\r\n");
  CLumoDlg& window = Open();
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  LumoTreeCtrl& tree = window.Tree();
  tree.setFocus();
  std::vector<std::string> done;
  window.ContextMenu().SetMenuRunner([&done](QMenu&, QPoint) {
    done.push_back("menu");
    return TreeContextMenu::kNone;
  });
  window.ContextMenu().SetEditRunner([&done](CatalogueItem& record, const CatalogueItem*, QWidget*) {
    done.push_back("edit " + record.text);
    return lumo::kIdCancel;
  });
  lumo::test::MessageBoxRecorder boxes(lumo::kAnswerNo);
  tree.SelectItem(tree.GetChildItem(nullptr));  // Abba
  QTest::keyClick(&tree, Qt::Key_Menu);
  QTest::keyClick(&tree, Qt::Key_F10, Qt::ShiftModifier);
  QTest::keyClick(&tree, Qt::Key_F2);
  QTest::keyClick(&tree, Qt::Key_Delete);
  EXPECT_EQ(done, (std::vector<std::string>{"menu", "menu", "edit Abba"}));
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, TreeContextMenu::kDeleteArtistQuestion);
}

}  // namespace
