#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_test_util.h"
#include "gui/tree/tree_model.h"
#include "core/collection/catalogue.h"
#include "gui/edit/edit_dlg.h"
#include "gui/edit/tree_context_menu.h"
#include "modal_script.h"
#include "core/platform/message_box.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/message_box_recorder.h"

using namespace lumo;

namespace {

using lumo::test::ReadBytes;

const std::string kSolo = "[k1]\r\nartist=Solo\r\ntitle=Only\r\nnumtracks=2\r\n0=a\r\n1=b\r\n";
const std::string kTrio1 = "[K2]\r\nartist=Trio\r\ntitle=One\r\nnumtracks=12\r\n0=first\r\n11=last\r\n";
const std::string kTrio2 = "[k3]\r\nartist=Trio\r\n";
const std::string kTrio3 = "[k4]\r\nartist=Trio\r\ntitle=Three\r\n";
const std::string kTail = "[notes]\r\n; kept\r\nx=1\r\n";

// A loaded collection in a shown tree, with the menu handler wired to the
// tree's right clicks and every seam answered by the test.
class ContextMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    lumo::test::WriteBytes(path_, kSolo + kTrio1 + kTrio2 + kTrio3 + kTail);
    ASSERT_TRUE(catalogue_.Load(path_));
    lumo::test::BuildInto(catalogue_, tree_);
    tree_.ApplyDisplayLevel(DisplayLevel::All, true);  // albums sorted: One, Three, <UNKNOWN>
    tree_.resize(400, 600);
    tree_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree_));
    QObject::connect(&tree_, &LumoTreeCtrl::rightClicked, [this](QPoint at) { menu_.OnRightClick(at); });
    menu_.SetMenuRunner([this](QMenu& menu, QPoint) {
      offered_.clear();
      for (const QAction* action : menu.actions()) offered_.push_back({action->text().toStdString(), action->isEnabled()});
      ++menusShown_;
      return choice_;
    });
    menu_.SetEditRunner([this](CatalogueItem& record, const CatalogueItem*, QWidget*) {
      if (newName_.empty()) return lumo::kIdCancel;
      record.text = newName_;
      return lumo::kIdOk;
    });
  }

  TreeItem* Item(const std::string& path) {
    TreeItem* item = nullptr;
    std::size_t from = 0;
    for (;;) {
      const std::size_t slash = path.find('/', from);
      const std::string label = path.substr(from, slash - from);
      TreeItem* child = tree_.GetChildItem(item);
      while (child != nullptr && tree_.GetItemText(child) != label) child = tree_.GetNextSiblingItem(child);
      item = child;
      if (item == nullptr || slash == std::string::npos) return item;
      from = slash + 1;
    }
  }
  QPoint OnLabel(TreeItem* item) const {
    const QRect cell = tree_.visualRect(tree_.Model()->IndexOf(item));
    return {cell.left() + 3, cell.center().y()};
  }
  void RightClick(QPoint at) { QTest::mouseClick(tree_.viewport(), Qt::RightButton, {}, at); }
  void Choose(const std::string& path, int command) {
    choice_ = command;
    TreeItem* item = Item(path);
    ASSERT_NE(item, nullptr) << path;
    RightClick(OnLabel(item));
  }

  // Every item as "artist/album/track" with its record, sorted; equal for two
  // trees that show the same collection in any order.
  static std::vector<std::string> Contents(const LumoTreeCtrl& tree) {
    std::vector<std::string> all;
    std::vector<std::pair<TreeItem*, std::string>> stack{{nullptr, ""}};
    while (!stack.empty()) {
      auto [parent, prefix] = stack.back();
      stack.pop_back();
      for (TreeItem* item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        const CatalogueItem* r = tree.GetItemRecord(item);
        const std::string path = prefix + "/" + tree.GetItemText(item);
        all.push_back(path + " {" + r->text + "|" + r->cdKey + "|" + std::to_string(r->trackIndex) + "}");
        stack.push_back({item, path});
      }
    }
    std::sort(all.begin(), all.end());
    return all;
  }
  // What a Refresh would show now.
  std::vector<std::string> Reloaded() {
    LumoTreeCtrl tree;
    Catalogue fresh;
    EXPECT_TRUE(fresh.Load(path_));
    lumo::test::BuildInto(fresh, tree);
    return Contents(tree);
  }
  void ExpectCounts(int artists, int albums) {
    EXPECT_EQ(catalogue_.ArtistCount(), artists);
    EXPECT_EQ(catalogue_.AlbumCount(), albums);
  }

  lumo::test::TempDir dir_;
  std::string path_ = dir_.File("cdplayer.ini");
  LumoTreeCtrl tree_;
  Catalogue catalogue_;
  int countUpdates_ = 0;
  TreeContextMenu menu_{tree_, catalogue_, &tree_, [this] { ++countUpdates_; }};
  int choice_ = TreeContextMenu::kNone;
  int menusShown_ = 0;
  std::vector<std::pair<std::string, bool>> offered_;
  std::string newName_;
  lumo::test::MessageBoxRecorder messages_{lumo::kAnswerYes};
};

using Offer = std::vector<std::pair<std::string, bool>>;

TEST_F(ContextMenuTest, MenuOffersWhatEachKindAllowsAndSelectsFirst) {
  Choose("Trio/One/ 1. first", TreeContextMenu::kNone);
  EXPECT_EQ(offered_, (Offer{{"&Delete", false}, {"&Edit", true}, {"&Move", false}}));
  EXPECT_EQ(tree_.GetSelectedItem(), Item("Trio/One/ 1. first"));  // also when dismissed
  Choose("Trio", TreeContextMenu::kNone);
  EXPECT_EQ(offered_, (Offer{{"&Delete", true}, {"&Edit", true}, {"&Move", false}}));
  Choose("Trio/One", TreeContextMenu::kNone);
  EXPECT_EQ(offered_, (Offer{{"&Delete", true}, {"&Edit", true}, {"&Move", true}}));
  EXPECT_EQ(tree_.GetSelectedItem(), Item("Trio/One"));
  EXPECT_EQ(ReadBytes(path_), kSolo + kTrio1 + kTrio2 + kTrio3 + kTail);
}

TEST_F(ContextMenuTest, ClicksBesideTheLabelOpenNoMenuAndKeepTheSelection) {
  TreeItem* album = Item("Trio/One");
  tree_.SelectItem(Item("Solo"));
  const QRect cell = tree_.visualRect(tree_.Model()->IndexOf(album));
  RightClick({cell.left() - tree_.indentation() / 2, cell.center().y()});  // its expand button
  RightClick({2, cell.center().y()});                                      // the indent
  RightClick({tree_.viewport()->width() - 3, cell.center().y()});          // right of the text
  RightClick({5, tree_.viewport()->height() - 3});                         // below every item
  EXPECT_EQ(menusShown_, 0);
  EXPECT_EQ(tree_.GetSelectedItem(), Item("Solo"));
}

TEST_F(ContextMenuTest, DeletingTheOnlyAlbumRemovesItsArtistToo) {
  messages_.SetAnswer(lumo::kAnswerNo);
  Choose("Solo/Only", TreeContextMenu::kDelete);
  EXPECT_NE(Item("Solo/Only"), nullptr);
  messages_.SetAnswer(lumo::kAnswerYes);
  Choose("Solo/Only", TreeContextMenu::kDelete);
  ASSERT_EQ(messages_.Messages().size(), 2u);
  EXPECT_EQ(messages_.Messages()[1].text, "Are you sure you want to delete this album?\n(Edit > Undo takes it back.)");
  EXPECT_EQ(messages_.Messages()[1].buttons, lumo::MessageButtons::YesNo);
  EXPECT_EQ(messages_.Messages()[1].icon, lumo::MessageIcon::Question);
  EXPECT_EQ(Item("Solo"), nullptr);
  ExpectCounts(1, 3);
  EXPECT_EQ(countUpdates_, 1);
  EXPECT_EQ(ReadBytes(path_), kTrio1 + kTrio2 + kTrio3 + kTail);
  EXPECT_EQ(Contents(tree_), Reloaded());
}

TEST_F(ContextMenuTest, DeletingAnArtistRemovesEveryAlbumSectionAtOnce) {
  Choose("Trio", TreeContextMenu::kDelete);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text,
            "Are you sure you want to delete this artist\nand ALL albums attached to it?\n(Edit > Undo takes it back.)");
  EXPECT_EQ(Item("Trio"), nullptr);
  ExpectCounts(1, 1);
  EXPECT_EQ(ReadBytes(path_), kSolo + kTail);
  EXPECT_EQ(Contents(tree_), Reloaded());
}

TEST_F(ContextMenuTest, RenamesWriteOnlyTheirKeysAndRelabel) {
  newName_ = "Uno";
  Choose("Trio/One", TreeContextMenu::kEdit);
  newName_ = "Zwoelf";
  Choose("Trio/Uno/12. last", TreeContextMenu::kEdit);
  newName_ = "Erste";
  Choose("Trio/Uno/ 1. first", TreeContextMenu::kEdit);
  newName_ = "Quartet";
  Choose("Trio", TreeContextMenu::kEdit);
  EXPECT_NE(Item("Quartet/Uno/ 1. Erste"), nullptr);
  EXPECT_NE(Item("Quartet/Uno/12. Zwoelf"), nullptr);
  EXPECT_NE(Item("Quartet/<UNKNOWN>"), nullptr);
  EXPECT_EQ(ReadBytes(path_), kSolo +
                                  "[K2]\r\nartist=Quartet\r\ntitle=Uno\r\nnumtracks=12\r\n0=Erste\r\n11=Zwoelf\r\n"
                                  "[k3]\r\nartist=Quartet\r\ntitle=<UNKNOWN>\r\n"
                                  "[k4]\r\nartist=Quartet\r\ntitle=Three\r\n" + kTail);
  ExpectCounts(2, 4);
  EXPECT_EQ(Contents(tree_), Reloaded());
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(ContextMenuTest, CancelledEditAndMoveChangeNothing) {
  const std::vector<std::string> before = Contents(tree_);
  Choose("Trio/One", TreeContextMenu::kEdit);  // the edit runner cancels
  Choose("Trio/One", TreeContextMenu::kMove);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, "Moving not implemented yet");
  EXPECT_EQ(messages_.Messages()[0].icon, lumo::MessageIcon::Warning);
  EXPECT_EQ(messages_.Messages()[0].buttons, lumo::MessageButtons::Ok);
  EXPECT_EQ(Contents(tree_), before);
  EXPECT_EQ(ReadBytes(path_), kSolo + kTrio1 + kTrio2 + kTrio3 + kTail);
}

// Whatever the file refuses, the user is told, and the tree, its records,
// the counts, the document and the file all stay as the file has them.
TEST_F(ContextMenuTest, RefusedWritesAreReportedAndChangeNothing) {
  const std::string bytes = ReadBytes(path_);
  const std::vector<std::string> before = Contents(tree_);
  struct Case {
    const char* what;
    int made;
    const char* reason;
  };
  auto attempt = [&](const Case& c) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(c.made, 0);
    newName_ = "Changed";
    for (const char* path : {"Trio", "Trio/One", "Trio/One/12. last"}) Choose(path, TreeContextMenu::kEdit);
    Choose("Solo/Only", TreeContextMenu::kDelete);
    Choose("Trio", TreeContextMenu::kDelete);
    ExpectCounts(2, 4);
    EXPECT_EQ(Contents(tree_), before);
    EXPECT_EQ(catalogue_.Document().GetString("K2", "title", "-"), "One");
    EXPECT_NE(catalogue_.Document().FindSection("k1"), nullptr);
    std::vector<lumo::test::MessageBoxRecorder::Box> warnings;
    for (const auto& box : messages_.Messages()) {
      if (box.icon == lumo::MessageIcon::Warning) warnings.push_back(box);
    }
    ASSERT_EQ(warnings.size(), 5u);
    for (const auto& box : warnings) {
      EXPECT_NE(box.text.find(path_), std::string::npos) << box.text;
      EXPECT_NE(box.text.find(c.reason), std::string::npos) << box.text;
    }
    messages_.Clear();
  };
  attempt({"write-protected file", ::chmod(path_.c_str(), 0444), "The file is write-protected."});
  EXPECT_EQ(ReadBytes(path_), bytes);
  ::chmod(path_.c_str(), 0644);
  attempt({"folder cannot be written", ::chmod(dir_.Path().c_str(), 0555), "The folder is write-protected."});
  EXPECT_EQ(ReadBytes(path_), bytes);
  ::chmod(dir_.Path().c_str(), 0755);
  // Another program's change is kept, and the user is asked to Refresh.
  const std::string theirs = bytes + "[Z9]\r\nartist=Other\r\n";
  lumo::test::WriteBytes(path_, theirs);
  attempt({"changed by another program", 0, "changed by another program"});
  EXPECT_EQ(ReadBytes(path_), theirs);
  attempt({"file gone", ::unlink(path_.c_str()), "The file no longer exists."});
  EXPECT_FALSE(lumo::test::FileExists(path_));
  EXPECT_EQ(countUpdates_, 0);
}

// The whole way through: the real edit dialog, typed into and accepted.
TEST_F(ContextMenuTest, RealEditDialogRenamesAnAlbum) {
  menu_.SetEditRunner(&TreeContextMenu::RunEditDialog);
  lumo::test::ModalScript script({[](QWidget& dialog) {
    auto& edit = static_cast<EditDlg&>(dialog);
    edit.ControlAs<QLineEdit>(EditDlg::kLowerField)->setText("Tres");
    edit.ControlAs<QPushButton>(lumo::kIdOk)->click();
  }});
  Choose("Trio/Three", TreeContextMenu::kEdit);
  EXPECT_TRUE(script.Finished());
  EXPECT_NE(Item("Trio/Tres"), nullptr);
  EXPECT_EQ(ReadBytes(path_), kSolo + kTrio1 + kTrio2 + "[k4]\r\nartist=Trio\r\ntitle=Tres\r\n" + kTail);
}


// The keyboard reaches every command of the menu on the selected item, and
// refuses where the menu would have nothing to offer.
TEST_F(ContextMenuTest, KeyCommandsActOnTheSelectedItemOrRefuse) {
  std::vector<std::string> edited;  // "record text < parent text"
  menu_.SetEditRunner([&edited](CatalogueItem& record, const CatalogueItem* parent, QWidget*) {
    edited.push_back(record.text + " < " + (parent != nullptr ? parent->text : "-"));
    return lumo::kIdCancel;
  });
  const std::string file = ReadBytes(path_);

  tree_.SelectItem(nullptr);  // nothing selected: no command at all
  menu_.OnMenuKey();
  menu_.EditSelected();
  menu_.DeleteSelected();
  tree_.SelectItem(Item("Trio/One/ 1. first"));
  menu_.DeleteSelected();  // a track cannot be deleted
  EXPECT_EQ(menusShown_, 0);
  EXPECT_TRUE(edited.empty());
  EXPECT_TRUE(messages_.Messages().empty());

  menu_.EditSelected();  // F2
  tree_.SelectItem(Item("Trio/Three"));
  menu_.EditSelected();
  EXPECT_EQ(edited, (std::vector<std::string>{"first < One", "Three < Trio"}));

  messages_.SetAnswer(lumo::kAnswerNo);
  menu_.DeleteSelected();  // asks as the menu does; No keeps it
  EXPECT_EQ(ReadBytes(path_), file);
  messages_.SetAnswer(lumo::kAnswerYes);
  menu_.DeleteSelected();
  ASSERT_EQ(messages_.Messages().size(), 2u);
  EXPECT_EQ(messages_.Messages()[1].text, TreeContextMenu::kDeleteAlbumQuestion);
  EXPECT_EQ(Item("Trio/Three"), nullptr);
  EXPECT_EQ(ReadBytes(path_), kSolo + kTrio1 + kTrio2 + kTail);
}

// The Menu key (or Shift+F10) opens the item's menu at its label, scrolled
// into view first, and what is chosen there is carried out.
TEST_F(ContextMenuTest, MenuKeyOpensTheSelectedItemsMenuAtItsLabel) {
  tree_.resize(400, 60);  // the album is out of view
  TreeItem* album = Item("Trio/Three");
  tree_.SelectItem(album);
  QPoint shownAt;
  menu_.SetMenuRunner([&](QMenu& menu, QPoint globalPos) {
    offered_.clear();
    for (const QAction* action : menu.actions()) offered_.push_back({action->text().toStdString(), action->isEnabled()});
    shownAt = tree_.viewport()->mapFromGlobal(globalPos);
    return TreeContextMenu::kMove;
  });
  menu_.OnMenuKey();
  EXPECT_EQ(offered_, (Offer{{"&Delete", true}, {"&Edit", true}, {"&Move", true}}));
  const QRect label = tree_.visualRect(tree_.Model()->IndexOf(album));
  EXPECT_TRUE(tree_.viewport()->rect().contains(label));
  EXPECT_EQ(shownAt, QPoint(label.left(), label.bottom()));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].text, TreeContextMenu::kMoveMessage);
}

// A screen reader picks a menu item by its "Press" action, which the menu's
// own loop never returns; the choice must count all the same.
TEST(ContextMenuRunner, AnItemPressedThroughItsAccessibleActionIsTheChoice) {
  for (const int pressed : {TreeContextMenu::kEdit, TreeContextMenu::kNone}) {
    QMenu menu;
    for (int id : {TreeContextMenu::kDelete, TreeContextMenu::kEdit, TreeContextMenu::kMove}) {
      menu.addAction(QStringLiteral("item %1").arg(id))->setData(id);
    }
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
      if (!menu.isVisible()) return;
      driver.stop();
      if (pressed == TreeContextMenu::kNone) {
        menu.close();
        return;
      }
      QAccessibleInterface* item = QAccessible::queryAccessibleInterface(&menu)->child(pressed - 1);
      ASSERT_NE(item, nullptr);
      item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    });
    driver.start(5);
    EXPECT_EQ(TreeContextMenu::RunMenu(menu, QPoint(20, 20)), pressed);
    EXPECT_FALSE(menu.isVisible());
  }
}

}  // namespace
