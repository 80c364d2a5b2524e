#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "gui/main/find_dlg.h"
#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_test_util.h"
#include "gui/tree/tree_model.h"
#include "core/catalogue/tree_search.h"
#include "core/collection/catalogue.h"
#include "core/catalogue/catalogue_item.h"
#include "core/platform/profile.h"
#include "gui/platform/message_text.h"
#include "support/file_bytes.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::MessageBoxRecorder;
using lumo::test::ReadBytes;
using lumo::test::TempDir;
using lumo::test::WriteBytes;

constexpr char kCollection[] =
    "; kept as it is\r\n"
    "[a1]\r\nartist=Beatles\r\ntitle=Revolver\r\nnumtracks=2\r\n0=Taxman\r\n1=Eleanor Rigby\r\norder=0 1\r\n"
    "[a2]\r\nartist=Abba\r\ntitle=Gold\r\nnumtracks=1\r\n0=Dancing Queen\r\n"
    "[a3]\r\nartist=Beatles\r\ntitle=Abbey Road\r\n; about a3\r\n"
    "[a4]\r\nartist=Caf\xE9 Tacuba\r\ntitle=Re\r\nnumtracks=1\r\n0=\xC9T\xC9\r\n";

QAction* MenuItem(CLumoDlg& window, int id) {
  for (QAction* top : window.MenuBar()->actions()) {
    for (QAction* item : top->menu()->actions()) {
      if (item->data().toInt() == id) return item;
    }
  }
  return nullptr;
}

class FindAndUndo : public testing::Test {
 protected:
  FindAndUndo() {
    WriteBytes(dir.File("cdplayer.ini"), kCollection);
    std::filesystem::create_directories(lumo::profile::ProfileDirectory());
    WriteBytes(lumo::profile::ProfileDirectory() + "/lumo.ini", "[options]\r\npath=" + dir.Path() + "\r\n");
    window = std::make_unique<CLumoDlg>();
    window->CreateModeless(nullptr);
    QApplication::processEvents();
  }
  ~FindAndUndo() override { window->EndDialog(lumo::kIdCancel); }

  void Command(int id) {
    MenuItem(*window, id)->trigger();
    QApplication::processEvents();  // menu commands run once the menu is gone
  }
  FindDlg& Finder() { return *window->findChild<FindDlg*>(); }
  void Search(const char* text, bool matchCase = false) {
    Command(CLumoDlg::kMenuFind);
    Finder().ControlAs<QLineEdit>(FindDlg::kText)->setText(QString::fromLatin1(text));
    Finder().ControlAs<QAbstractButton>(FindDlg::kMatchCase)->setChecked(matchCase);
  }
  std::string Selected() { return window->Tree().GetItemText(window->Tree().GetSelectedItem()); }
  std::string Status() { return window->ControlAs<QLabel>(CLumoDlg::kStatusLine)->text().toStdString(); }
  std::string File() { return ReadBytes(dir.File("cdplayer.ini")); }

  TempDir dir;
  MessageBoxRecorder boxes;
  std::unique_ptr<CLumoDlg> window;
};

TEST_F(FindAndUndo, FindStepsThroughArtistsAlbumsAndTracksAndWraps) {
  Search("ab");
  std::vector<std::string> found;
  for (int i = 0; i < 3; ++i) {
    Finder().ControlAs<QAbstractButton>(FindDlg::kFindNext)->click();
    found.push_back(Selected());
  }
  EXPECT_EQ(found, (std::vector<std::string>{"Abba", "Abbey Road", "Abba"}));
  EXPECT_NE(Status().find("from the top"), std::string::npos);
  EXPECT_EQ(window->GetDisplayLevel(), DisplayLevel::Artist);  // opened by the program, not the user
  EXPECT_TRUE(window->Tree().IsExpanded(window->Tree().GetParentItem(window->Tree().GetSelectedItem())) ||
              window->Tree().GetParentItem(window->Tree().GetSelectedItem()) == nullptr);

  Search("\xE9t\xE9");  // folded like INI names, so it finds the capitals of the track
  Command(CLumoDlg::kMenuFindNext);
  EXPECT_EQ(Selected(), " 1. \xC9T\xC9");
  Command(CLumoDlg::kMenuFindPrevious);
  EXPECT_EQ(Selected(), " 1. \xC9T\xC9");  // the only match, found again going back
  EXPECT_EQ(window->GetDisplayLevel(), DisplayLevel::Artist);

  Search("taxman", true);
  Command(CLumoDlg::kMenuFindNext);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_EQ(boxes.Messages()[0].text, "Cannot find \"taxman\".");
  EXPECT_EQ(boxes.Messages()[0].icon, lumo::MessageIcon::Information);
}

TEST_F(FindAndUndo, UndoAndRedoRestoreTheBytesTheTreeLevelAndSelection) {
  const std::string original = File();
  EXPECT_FALSE(MenuItem(*window, CLumoDlg::kMenuUndo)->isEnabled());
  Catalogue& catalogue = window->GetCatalogue();
  ASSERT_TRUE(catalogue.WriteItemName({ItemKind::Album, "Gold!", "a2", 0}));
  const std::string renamed = File();
  EXPECT_EQ(MenuItem(*window, CLumoDlg::kMenuUndo)->text().toStdString(), "&Undo Rename Album");

  window->ControlAs<QAbstractButton>(CLumoDlg::kLevelAll)->click();
  window->Tree().SelectItem(window->Tree().GetChildItem(window->Tree().GetChildItem(nullptr)));  // Gold
  Command(CLumoDlg::kMenuUndo);
  EXPECT_EQ(File(), original);
  EXPECT_EQ(window->GetDisplayLevel(), DisplayLevel::All);
  EXPECT_EQ(Selected(), "Gold");
  EXPECT_EQ(MenuItem(*window, CLumoDlg::kMenuRedo)->text().toStdString(), "&Redo Rename Album");
  Command(CLumoDlg::kMenuRedo);
  EXPECT_EQ(File(), renamed);
  EXPECT_EQ(Selected(), "Gold!");
  EXPECT_TRUE(boxes.Messages().empty());

  // Another program's change since: refused, nothing written, tree kept.
  WriteBytes(dir.File("cdplayer.ini"), renamed + "[zz]\r\nartist=Someone\r\n");
  Command(CLumoDlg::kMenuUndo);
  ASSERT_EQ(boxes.Messages().size(), 1u);
  EXPECT_NE(boxes.Messages()[0].text.find("changed by another program"), std::string::npos);
  EXPECT_EQ(File(), renamed + "[zz]\r\nartist=Someone\r\n");
  EXPECT_EQ(Selected(), "Gold!");

  // A refused write changes neither the file nor the tree.
  WriteBytes(dir.File("cdplayer.ini"), renamed);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  Command(CLumoDlg::kMenuUndo);
  std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
  EXPECT_EQ(boxes.Messages().size(), 2u);
  EXPECT_EQ(File(), renamed);
  EXPECT_EQ(Selected(), "Gold!");

  Command(CLumoDlg::kMenuRefresh);  // a fresh read forgets what came before
  EXPECT_FALSE(MenuItem(*window, CLumoDlg::kMenuUndo)->isEnabled());
}

// Random chains of every kind of change, undone to the first bytes and done
// again to the last.
TEST_F(FindAndUndo, RandomChainsUndoToTheOriginalAndRedoToTheEnd) {
  Catalogue& catalogue = window->GetCatalogue();
  std::mt19937 random(11);
  std::vector<std::string> versions{File()};
  std::vector<std::string> keys{"a1", "a2", "a3", "a4"};
  for (int step = 0; step < 40; ++step) {
    const std::string key = keys[random() % keys.size()];
    const std::string name = "N" + std::to_string(step);
    bool written = false;
    switch (random() % 4) {
      case 0: written = catalogue.WriteItemName({ItemKind::Album, name, key, 0}); break;
      case 1: written = catalogue.WriteItemName({ItemKind::Track, name, key, static_cast<int16_t>(random() % 3)}); break;
      case 2: {
        const CatalogueItem album{ItemKind::Album, "Revolver", key, 0};
        written = catalogue.RenameArtist(name, {&album});
        break;
      }
      default:
        if (keys.size() > 1) {
          written = catalogue.DeleteAlbum({ItemKind::Album, "", key, 0}, false);
          std::erase(keys, key);
        }
    }
    if (written) versions.push_back(File());
  }
  ASSERT_EQ(catalogue.History().UndoCount() + 1, versions.size());
  for (size_t v = versions.size() - 1; v > 0; --v) {
    ASSERT_TRUE(catalogue.Undo()) << lumo::MessageText(catalogue.LastWriteError());
    ASSERT_EQ(File(), versions[v - 1]) << v;
  }
  EXPECT_FALSE(catalogue.History().NextUndo());
  for (size_t v = 1; v < versions.size(); ++v) {
    ASSERT_TRUE(catalogue.Redo());
    ASSERT_EQ(File(), versions[v]) << v;
  }
}


// Where a found item stands: its labels from the artist down.
std::string PathOf(LumoTreeCtrl& tree, TreeItem* item) {
  if (item == nullptr) return "-";
  std::string path;
  for (; item != nullptr; item = tree.GetParentItem(item)) path = tree.GetItemText(item) + "/" + path;
  return path;
}

std::vector<std::string> FindSequence(LumoTreeCtrl& tree, const FindOptions& options, FindDirection direction) {
  std::vector<std::string> found;
  TreeItem* at = nullptr;
  for (int i = 0; i < 12; ++i) {
    at = FindInTree(*tree.Model()->Root(), at, options, direction).item;
    found.push_back(PathOf(tree, at));
  }
  return found;
}

// Find reads the names of tracks not made yet without making them, and
// finds exactly what it finds once every track is made, either way round.
TEST(FindInTree, TracksNotMadeYetAreFoundInOrderAndOnlyTheirAlbumIsMade) {
  TempDir dir;
  std::string file;
  for (int album = 0; album < 8; ++album) {
    file += "[k" + std::to_string(album) + "]\r\nartist=Band " + std::to_string(album % 3) + "\r\ntitle=Song Book " +
            std::to_string(album) + "\r\nnumtracks=4\r\n0=Song\r\n2=Other song\r\n3=SONG " + std::to_string(album) +
            "\r\n";
  }
  WriteBytes(dir.File("cdplayer.ini"), file);
  const std::vector<FindOptions> searches = {
      {"song", false, true, true, true}, {"SONG", true, true, true, true}, {"song", false, false, false, true},
      {"book", false, false, true, false}, {"?", false, false, false, true}, {"nowhere", false, true, true, true}};
  for (const FindOptions& options : searches) {
    for (FindDirection direction : {FindDirection::Next, FindDirection::Previous}) {
      Catalogue catalogues[2];  // albums are made from their documents: these outlive the trees
      LumoTreeCtrl lazy;
      LumoTreeCtrl made;
      for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(catalogues[i].Load(dir.File("cdplayer.ini")));
        lumo::test::BuildInto(catalogues[i], i == 0 ? lazy : made, false);
      }
      made.ApplyDisplayLevel(DisplayLevel::All, true);
      const std::vector<std::string> found = FindSequence(lazy, options, direction);
      EXPECT_EQ(found, FindSequence(made, options, direction)) << options.text;
    }
  }
  LumoTreeCtrl tree;
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(dir.File("cdplayer.ini")));
  lumo::test::BuildInto(catalogue, tree);
  const FindResult found = FindInTree(*tree.Model()->Root(), nullptr, {"SONG 5", true, true, true, true}, FindDirection::Previous);
  EXPECT_EQ(tree.GetItemText(found.item), " 4. SONG 5");
  int albumsMade = 0;
  for (TreeItem* artist = tree.GetRootItem(); artist; artist = artist->NextSibling()) {
    for (int row = 0; row < artist->ChildCount(); ++row) albumsMade += !artist->Child(row)->HasPendingChildren();
  }
  EXPECT_EQ(albumsMade, 1);
}

}  // namespace
