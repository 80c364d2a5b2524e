#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QSignalSpy>

#include <memory>
#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "tree_test_util.h"

using namespace lumo;

using lumo::test::ChildLabels;
using lumo::test::FillCatalogue;
using lumo::test::NthChild;
using lumo::test::Record;
using Labels = std::vector<std::string>;

namespace {

// Collects what the model tester complains about instead of letting it pass unseen.
class TesterLog {
 public:
  TesterLog() {
    Messages().clear();
    previous_ = qInstallMessageHandler(&TesterLog::Handle);
  }
  ~TesterLog() { qInstallMessageHandler(previous_); }
  static std::vector<std::string>& Messages() {
    static std::vector<std::string> messages;
    return messages;
  }

 private:
  static void Handle(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (std::string(context.category ? context.category : "") == "qt.modeltest") {
      Messages().push_back(text.toStdString());
    }
  }
  QtMessageHandler previous_;
};

// A tree whose model is checked by Qt's model tester all along.
struct TestedTree {
  TesterLog log;
  LumoTreeCtrl tree;
  QAbstractItemModelTester tester{tree.Model(), QAbstractItemModelTester::FailureReportingMode::Warning};
};

TEST(TreeModelTest, StaysConsistentWhileFilledEditedAndCleared) {
  TestedTree tested;
  LumoTreeCtrl& tree = tested.tree;

  FillCatalogue(tree, 3, 2, 3);
  tree.InsertItemWithData(Record(ItemKind::Artist, "0 first"), nullptr, InsertAt::Sort);
  TreeItem* artist = NthChild(tree, nullptr, 2);
  tree.SetItemText(artist, "renamed");
  tree.SortChildren(artist);
  tree.DeleteChildrenWithData(tree.GetChildItem(artist));
  tree.DeleteItemWithData(tree.GetChildItem(artist));
  tree.DeleteItemWithData(artist);
  {
    LumoTreeCtrl::BulkUpdate bulk(tree);
    FillCatalogue(tree, 2, 2, 2);
    tree.DeleteItemWithData(tree.GetRootItem());
  }
  tree.ApplyDisplayLevel(DisplayLevel::All, true);
  tree.DeleteAllWithData();
  tree.InsertItemWithData(Record(ItemKind::Artist, "again"), nullptr, InsertAt::Sort);

  EXPECT_EQ(TesterLog::Messages(), std::vector<std::string>());
  EXPECT_EQ(tree.GetCount(), 1);
}

TEST(TreeModelTest, SortedInsertionIgnoresCaseThenUsesBytesThenArrival) {
  LumoTreeCtrl tree;
  // Windows-1252: \xC9 is E acute, \xE9 e acute; they fold together and sort after z.
  const Labels arrival = {"beta", "\xE9t\xE9", "alpha", "Zebra", "ALPHA", "abc", "Alpha",
                          "\xC9" "cole", "Ab", "alpha", "b", ""};
  int n = 0;
  for (const std::string& label : arrival) {
    tree.InsertItemWithData(Record(ItemKind::Artist, label, "", n++), nullptr, InsertAt::Sort);
  }
  EXPECT_EQ(ChildLabels(tree, nullptr),
            (Labels{"", "Ab", "abc", "ALPHA", "Alpha", "alpha", "alpha", "b", "beta", "Zebra",
                    "\xC9" "cole", "\xE9t\xE9"}));
  // The two equal labels keep their order of arrival (told apart by trackIndex here).
  EXPECT_EQ(tree.GetItemRecord(NthChild(tree, nullptr, 5))->trackIndex, 2);
  EXPECT_EQ(tree.GetItemRecord(NthChild(tree, nullptr, 6))->trackIndex, 9);
}

TEST(TreeModelTest, LabelOrderIsTotalAndConsistent) {
  const Labels samples = {"", "a", "A", "ab", "aB", "AB", "b", "\xC0", "\xE0", "\xD7", "\xF7",
                          "\x8A", "\x9A", "_", "[", "\xFF", "\x9F"};
  for (const std::string& a : samples) {
    EXPECT_EQ(CompareTreeLabels(a, a), 0) << a;
    for (const std::string& b : samples) {
      if (a == b) continue;
      const int ab = CompareTreeLabels(a, b);
      EXPECT_NE(ab, 0) << a << " / " << b;
      EXPECT_EQ(ab < 0, CompareTreeLabels(b, a) > 0) << a << " / " << b;
    }
  }
  EXPECT_LT(CompareTreeLabels("_", "a"), 0);  // letters compare as lower case
  EXPECT_LT(CompareTreeLabels("\x8A", "\x9A"), 0);
  EXPECT_GT(CompareTreeLabels("\x9A", "t"), 0);  // 0x9A sorts above every ASCII letter
}

TEST(TreeModelTest, InsertionCopiesTheRecordAndLabelsItWithItsText) {
  LumoTreeCtrl tree;
  CatalogueItem mine = Record(ItemKind::Album, "Title \x80", "0A1B2C3D", 0);
  TreeItem* artist = tree.InsertItemWithData(Record(ItemKind::Artist, "X"), nullptr, InsertAt::Sort);
  TreeItem* album = tree.InsertItemWithData(mine, artist, InsertAt::Last);
  mine.text = "changed by the caller";

  ASSERT_NE(tree.GetItemRecord(album), nullptr);
  EXPECT_EQ(*tree.GetItemRecord(album), Record(ItemKind::Album, "Title \x80", "0A1B2C3D", 0));
  EXPECT_EQ(tree.GetItemText(album), "Title \x80");
  EXPECT_EQ(tree.Model()->data(tree.Model()->IndexOf(album)).toString(), QString::fromUtf8("Title \u20AC"));
  EXPECT_EQ(tree.GetParentItem(album), artist);
  EXPECT_EQ(tree.GetParentItem(artist), nullptr);
  EXPECT_EQ(tree.GetItemRecord(nullptr), nullptr);

  TesterLog log;
  QSignalSpy changed(tree.Model(), &QAbstractItemModel::dataChanged);
  tree.SetItemText(album, " 1. \xE9");
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(tree.Model()->data(tree.Model()->IndexOf(album)).toString(), QString::fromUtf8(" 1. \u00E9"));
  EXPECT_EQ(tree.GetItemRecord(album)->text, "Title \x80");  // the record keeps the bare name
  tree.SetItemText(album, "12. Title \x80");  // ends with the name, as a track label does
  EXPECT_EQ(tree.GetItemText(album), "12. Title \x80");
  tree.SetItemText(album, "\x80");
  EXPECT_EQ(tree.GetItemText(album), "\x80");

  LumoTreeCtrl other;
  TreeItem* foreign = other.InsertItemWithData(Record(ItemKind::Artist, "F"), nullptr, InsertAt::Sort);
  EXPECT_EQ(tree.InsertItemWithData(Record(ItemKind::Album, "x"), foreign, InsertAt::Last), nullptr);
  EXPECT_EQ(other.GetChildItem(foreign), nullptr);
}

TEST(TreeModelTest, SortingReordersOnlyTheGivenItemsChildrenAndKeepsTies) {
  LumoTreeCtrl tree;
  TreeItem* artist = tree.InsertItemWithData(Record(ItemKind::Artist, "M"), nullptr, InsertAt::Sort);
  for (const char* title : {"b", "Same", "a", "C", "Same", "A"}) {
    tree.InsertItemWithData(Record(ItemKind::Album, title, title), artist, InsertAt::Last);
  }
  TreeItem* firstSame = NthChild(tree, artist, 1);
  for (const char* track : {" 2. z", " 1. y", "10. a"}) {
    tree.InsertItemWithData(Record(ItemKind::Track, track), firstSame, InsertAt::Last);
  }
  tree.SortChildren(artist);
  EXPECT_EQ(ChildLabels(tree, artist), (Labels{"A", "a", "b", "C", "Same", "Same"}));
  EXPECT_EQ(NthChild(tree, artist, 4), firstSame);
  EXPECT_EQ(ChildLabels(tree, firstSame), (Labels{" 2. z", " 1. y", "10. a"}));
}

TEST(TreeModelTest, LevelSortingMovesNeitherArtistsNorTracks) {
  LumoTreeCtrl tree;
  FillCatalogue(tree, 3, 0, 0);
  TreeItem* last = NthChild(tree, nullptr, 2);
  for (const char* title : {"Zulu", "alpha", "Mike"}) {
    TreeItem* album = tree.InsertItemWithData(Record(ItemKind::Album, title), last, InsertAt::Last);
    for (const char* track : {"b", "a"}) {
      tree.InsertItemWithData(Record(ItemKind::Track, track), album, InsertAt::Last);
    }
  }
  // A renamed artist keeps its place until the next load.
  tree.SetItemText(tree.GetRootItem(), "zz renamed");
  tree.ApplyDisplayLevel(DisplayLevel::Artist, true);

  EXPECT_EQ(ChildLabels(tree, nullptr), (Labels{"zz renamed", "Artist 01", "Artist 02"}));
  EXPECT_EQ(ChildLabels(tree, last), (Labels{"alpha", "Mike", "Zulu"}));
  EXPECT_EQ(ChildLabels(tree, NthChild(tree, last, 2)), (Labels{"b", "a"}));
}

TEST(TreeModelTest, DeletionsRemoveWholeSubtreesAndKeepNavigationRight) {
  LumoTreeCtrl tree;
  FillCatalogue(tree, 3, 3, 4);
  ASSERT_EQ(tree.GetCount(), 3 * (1 + 3 * (1 + 4)));
  TreeItem* artist = NthChild(tree, nullptr, 1);
  TreeItem* album = NthChild(tree, artist, 1);

  // The way an album is deleted from the context menu.
  EXPECT_TRUE(tree.DeleteChildrenWithData(album));
  EXPECT_EQ(tree.GetChildItem(album), nullptr);
  EXPECT_TRUE(tree.DeleteItemWithData(album));
  EXPECT_EQ(ChildLabels(tree, artist), (Labels{"Album 0", "Album 2"}));
  EXPECT_EQ(tree.GetNextSiblingItem(NthChild(tree, artist, 0)), NthChild(tree, artist, 1));
  EXPECT_EQ(tree.GetCount(), 48 - 5);

  // An item with children takes them along.
  EXPECT_TRUE(tree.DeleteItemWithData(artist));
  EXPECT_EQ(ChildLabels(tree, nullptr), (Labels{"Artist 00", "Artist 02"}));
  EXPECT_EQ(tree.GetCount(), 32);
  EXPECT_TRUE(tree.DeleteChildrenWithData(tree.GetRootItem()));
  EXPECT_EQ(tree.GetCount(), 17);
  EXPECT_TRUE(tree.DeleteChildrenWithData(tree.GetRootItem()));  // nothing left to delete
}

TEST(TreeModelTest, DeletionRefusesItemsItDoesNotHold) {
  LumoTreeCtrl tree;
  LumoTreeCtrl other;
  FillCatalogue(tree, 1, 1, 1);
  FillCatalogue(other, 1, 1, 1);
  EXPECT_FALSE(tree.DeleteItemWithData(nullptr));
  EXPECT_FALSE(tree.DeleteItemWithData(other.GetRootItem()));
  EXPECT_FALSE(tree.DeleteChildrenWithData(other.GetRootItem()));
  EXPECT_EQ(tree.GetCount(), 3);
  EXPECT_EQ(other.GetCount(), 3);

  EXPECT_TRUE(tree.DeleteAllWithData());
  EXPECT_EQ(tree.GetCount(), 0);
  EXPECT_EQ(tree.GetRootItem(), nullptr);
  EXPECT_FALSE(tree.DeleteAllWithData());  // already empty
}

TEST(TreeModelTest, BulkUpdateAnnouncesOneResetAndHidesHalfDoneWork) {
  LumoTreeCtrl tree;
  FillCatalogue(tree, 1, 0, 0);
  QSignalSpy inserted(tree.Model(), &QAbstractItemModel::rowsInserted);
  QSignalSpy removed(tree.Model(), &QAbstractItemModel::rowsRemoved);
  QSignalSpy reset(tree.Model(), &QAbstractItemModel::modelReset);
  {
    LumoTreeCtrl::BulkUpdate outer(tree);
    LumoTreeCtrl::BulkUpdate inner(tree);
    FillCatalogue(tree, 4, 2, 2);
    tree.DeleteItemWithData(tree.GetRootItem());
    EXPECT_EQ(tree.Model()->rowCount(), 0);
    EXPECT_FALSE(tree.Model()->index(0, 0).isValid());
  }
  EXPECT_EQ(inserted.count(), 0);
  EXPECT_EQ(removed.count(), 0);
  EXPECT_EQ(reset.count(), 1);
  EXPECT_EQ(tree.Model()->rowCount(), 4);
  EXPECT_EQ(tree.GetCount(), 4 * (1 + 2 * 3));

  tree.InsertItemWithData(Record(ItemKind::Artist, "one more"), nullptr, InsertAt::Sort);
  EXPECT_EQ(inserted.count(), 1);
}

TEST(TreeModelTest, SortedInsertionsInABulkUpdateArePlacedWhenItEnds) {
  TestedTree tested;
  LumoTreeCtrl& tree = tested.tree;
  FillCatalogue(tree, 2, 0, 0);
  {
    LumoTreeCtrl::BulkUpdate bulk(tree);
    std::vector<TreeItem*> added;
    for (const char* name : {"zeta", "Artist 00", "beta", "alpha"}) {
      added.push_back(tree.InsertItemWithData(Record(ItemKind::Artist, name), nullptr, InsertAt::Sort));
    }
    EXPECT_EQ(NthChild(tree, nullptr, 2), added[0]);  // waiting at the end, in arrival order
    for (const char* title : {"y", "x"}) tree.InsertItemWithData(Record(ItemKind::Album, title), added[2], InsertAt::Sort);
    tree.InsertItemWithData(Record(ItemKind::Album, "w"), added[0], InsertAt::Sort);
    tree.DeleteItemWithData(added[2]);  // an item with children still waiting goes
    tree.InsertItemWithData(Record(ItemKind::Artist, "gamma"), nullptr, InsertAt::Sort);
  }
  EXPECT_EQ(ChildLabels(tree, nullptr), (Labels{"alpha", "Artist 00", "Artist 00", "Artist 01", "gamma", "zeta"}));
  EXPECT_EQ(ChildLabels(tree, NthChild(tree, nullptr, 5)), (Labels{"w"}));
  EXPECT_EQ(tree.GetCount(), 7);
  EXPECT_EQ(TesterLog::Messages(), std::vector<std::string>());
}

TEST(TreeModelTest, HugeNamesAreShownAndReadOutShortenedButKeptWhole) {
  LumoTreeCtrl tree;
  const std::string huge(1 << 20, 'n');
  TreeItem* artist = tree.InsertItemWithData(Record(ItemKind::Artist, huge), nullptr, InsertAt::Sort);
  TreeItem* album = tree.InsertItemWithData(Record(ItemKind::Album, "short"), artist, InsertAt::Last);
  tree.resize(300, 200);
  tree.show();
  tree.Expand(artist, true);

  const QString shown = tree.Model()->data(tree.Model()->IndexOf(artist)).toString();
  EXPECT_EQ(shown, QString(kDisplayLabelLimit, 'n') + QChar(0x2026));
  EXPECT_EQ(tree.Model()->data(tree.Model()->IndexOf(album)).toString(), "short");
  EXPECT_EQ(tree.GetItemText(artist), huge);
  EXPECT_EQ(tree.GetItemRecord(artist)->text, huge);

  QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&tree);
  ASSERT_NE(view, nullptr);
  ASSERT_NE(view->tableInterface(), nullptr);
  QAccessibleInterface* cell = view->tableInterface()->cellAt(0, 0);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text(QAccessible::Name), shown);
}

TEST(TreeModelTest, SelectionIsReportedAndDroppedWhenTheTreeEmpties) {
  LumoTreeCtrl tree;
  FillCatalogue(tree, 2, 1, 1);
  QSignalSpy selected(&tree, &LumoTreeCtrl::selectionChangedTo);
  TreeItem* album = NthChild(tree, NthChild(tree, nullptr, 1), 0);
  EXPECT_TRUE(tree.SelectItem(album));
  EXPECT_EQ(tree.GetSelectedItem(), album);
  ASSERT_EQ(selected.count(), 1);
  EXPECT_EQ(selected.at(0).at(0).value<TreeItem*>(), album);

  tree.DeleteAllWithData();
  EXPECT_EQ(tree.GetSelectedItem(), nullptr);
  ASSERT_EQ(selected.count(), 2);
  EXPECT_EQ(selected.at(1).at(0).value<TreeItem*>(), nullptr);
}


// Texts kept for lean items go with the tree's last item, and also when a
// build listed nothing, so that no earlier file stays in memory.
TEST(TreeModelTest, KeptTextsGoWhenTheTreeIsEmptied) {
  for (const bool withItem : {true, false}) {
    LumoTreeCtrl tree;
    auto texts = std::make_shared<const std::string>("Band");
    const std::weak_ptr<const std::string> watch = texts;
    tree.KeepTexts(std::move(texts));
    if (withItem) tree.InsertLeanItem({ItemKind::Artist, *watch.lock(), {}, 0}, nullptr, InsertAt::Sort);
    EXPECT_EQ(tree.DeleteAllWithData(), withItem);
    EXPECT_TRUE(watch.expired()) << withItem;
  }
}

}  // namespace
