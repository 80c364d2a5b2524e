#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "tree_test_util.h"

using namespace lumo;

using lumo::test::FillCatalogue;
using lumo::test::NthChild;

namespace {

// A real tree view, shown off screen at a fixed size so geometry is known.
class TreeViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tree.resize(320, 200);
    tree.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&tree));
  }

  QRect Cell(TreeItem* item) const { return tree.visualRect(tree.Model()->IndexOf(item)); }
  // A point in the row of `item`, `dx` pixels from the left of its label cell.
  QPoint AtCell(TreeItem* item, int dx) const {
    const QRect cell = Cell(item);
    return {cell.left() + dx, cell.center().y()};
  }
  QPoint OnButton(TreeItem* item) const { return AtCell(item, -tree.indentation() / 2); }
  TreeItem* Album(int artist, int album) const {
    return NthChild(tree, NthChild(tree, nullptr, artist), album);
  }

  LumoTreeCtrl tree;
};

TEST_F(TreeViewTest, LevelsExpandAndCollapseArtistsAndAlbums) {
  FillCatalogue(tree, 4, 2, 2);
  auto states = [this] {
    std::vector<int> open;
    for (TreeItem* artist = tree.GetRootItem(); artist; artist = tree.GetNextSiblingItem(artist)) {
      open.push_back(tree.IsExpanded(artist));
      for (TreeItem* album = tree.GetChildItem(artist); album; album = tree.GetNextSiblingItem(album)) {
        open.push_back(tree.IsExpanded(album));
      }
    }
    return open;
  };
  tree.ApplyDisplayLevel(DisplayLevel::All, true);
  EXPECT_EQ(states(), std::vector<int>(12, 1));
  tree.ApplyDisplayLevel(DisplayLevel::Album, false);
  EXPECT_EQ(states(), (std::vector<int>{1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0}));
  tree.ApplyDisplayLevel(DisplayLevel::Artist, false);
  EXPECT_EQ(states(), std::vector<int>(12, 0));

  // Custom leaves whatever the user opened.
  tree.Expand(NthChild(tree, nullptr, 2), true);
  tree.Expand(Album(2, 1), true);
  tree.Expand(Album(3, 0), true);  // inside a collapsed artist
  const std::vector<int> custom = {0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 1, 0};
  ASSERT_EQ(states(), custom);
  tree.ApplyDisplayLevel(DisplayLevel::Custom, true);
  EXPECT_EQ(states(), custom);
}

TEST_F(TreeViewTest, LevelsScrollTheSelectedTrackOrItsArtistToTheTop) {
  FillCatalogue(tree, 30, 3, 4);
  TreeItem* artist = NthChild(tree, nullptr, 12);
  TreeItem* track = NthChild(tree, Album(12, 1), 2);
  tree.ApplyDisplayLevel(DisplayLevel::All, true);
  tree.SelectItem(track);
  QSignalSpy selected(&tree, &LumoTreeCtrl::selectionChangedTo);

  tree.ScrollToTop(tree.GetRootItem());
  tree.ApplyDisplayLevel(DisplayLevel::All, false);
  EXPECT_EQ(tree.GetFirstVisibleItem(), track);
  for (DisplayLevel level : {DisplayLevel::Album, DisplayLevel::Artist, DisplayLevel::Custom}) {
    tree.ScrollToTop(tree.GetRootItem());
    tree.ApplyDisplayLevel(level, false);
    EXPECT_EQ(tree.GetFirstVisibleItem(), artist) << static_cast<int>(level);
  }
  EXPECT_EQ(tree.GetSelectedItem(), track);  // applying a level never selects
  EXPECT_EQ(selected.count(), 0);
}

TEST_F(TreeViewTest, LevelsScrollTheSelectedAlbumOrItsArtistToTheTop) {
  FillCatalogue(tree, 30, 3, 4);
  TreeItem* album = Album(12, 2);
  tree.ApplyDisplayLevel(DisplayLevel::Album, true);
  tree.SelectItem(album);

  tree.ApplyDisplayLevel(DisplayLevel::Artist, false);
  EXPECT_EQ(tree.GetFirstVisibleItem(), NthChild(tree, nullptr, 12));
  for (DisplayLevel level : {DisplayLevel::Album, DisplayLevel::All}) {
    tree.ScrollToTop(tree.GetRootItem());
    tree.ApplyDisplayLevel(level, false);
    EXPECT_EQ(tree.GetFirstVisibleItem(), album) << static_cast<int>(level);
  }
  EXPECT_EQ(tree.GetSelectedItem(), album);
}

TEST_F(TreeViewTest, ExpansionByTheProgramIsNotReportedAsTheUsers) {
  FillCatalogue(tree, 30, 2, 2);
  QSignalSpy byUser(&tree, &LumoTreeCtrl::itemExpandedByUser);
  tree.ApplyDisplayLevel(DisplayLevel::All, true);
  tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
  tree.Expand(tree.GetRootItem(), true);
  tree.Expand(tree.GetRootItem(), false);
  tree.expandAll();
  tree.collapseAll();
  TreeItem* hidden = NthChild(tree, Album(3, 1), 1);
  tree.ScrollToTop(hidden);  // reveals it by opening its album and artist
  EXPECT_TRUE(tree.IsExpanded(Album(3, 1)));
  EXPECT_EQ(tree.GetFirstVisibleItem(), hidden);
  tree.SelectItem(NthChild(tree, Album(4, 0), 0));
  EXPECT_EQ(byUser.count(), 0);
}

TEST_F(TreeViewTest, ExpansionByMouseAndKeyboardIsReported) {
  FillCatalogue(tree, 3, 2, 2);
  tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
  QSignalSpy byUser(&tree, &LumoTreeCtrl::itemExpandedByUser);
  QSignalSpy keys(&tree, &LumoTreeCtrl::keyDown);
  auto last = [&byUser] {
    const QList<QVariant> args = byUser.takeLast();
    return std::make_pair(args.at(0).value<TreeItem*>(), args.at(1).toBool());
  };
  TreeItem* first = NthChild(tree, nullptr, 0);
  TreeItem* second = NthChild(tree, nullptr, 1);
  TreeItem* third = NthChild(tree, nullptr, 2);

  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, OnButton(first));
  ASSERT_EQ(byUser.count(), 1);
  EXPECT_EQ(last(), std::make_pair(first, true));
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, OnButton(first));
  ASSERT_EQ(byUser.count(), 1);
  EXPECT_EQ(last(), std::make_pair(first, false));

  tree.setFocus();
  tree.SelectItem(second);
  QTest::keyClick(&tree, Qt::Key_Right);
  ASSERT_EQ(byUser.count(), 1);
  EXPECT_EQ(last(), std::make_pair(second, true));
  ASSERT_GE(keys.count(), 1);
  EXPECT_EQ(keys.takeFirst().at(0).toInt(), static_cast<int>(Qt::Key_Right));

  // As a real double click arrives: a click, then the double-click event.
  QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, AtCell(third, 4));
  QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, AtCell(third, 4));
  ASSERT_EQ(byUser.count(), 1);
  EXPECT_EQ(last(), std::make_pair(third, true));
}

TEST_F(TreeViewTest, RightClickReportsThePointAndKeepsTheSelection) {
  FillCatalogue(tree, 4, 1, 1);
  TreeItem* first = tree.GetRootItem();
  tree.SelectItem(first);
  QSignalSpy clicks(&tree, &LumoTreeCtrl::rightClicked);
  QSignalSpy selected(&tree, &LumoTreeCtrl::selectionChangedTo);
  const QPoint at = AtCell(NthChild(tree, nullptr, 3), 5);
  QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, at);
  QTest::mouseClick(tree.viewport(), Qt::RightButton, {}, AtCell(first, 4));
  QTest::mouseDClick(tree.viewport(), Qt::RightButton, {}, AtCell(first, 4));
  ASSERT_EQ(clicks.count(), 2);
  EXPECT_EQ(clicks.at(0).at(0).toPoint(), at);
  EXPECT_EQ(tree.GetSelectedItem(), first);
  EXPECT_EQ(selected.count(), 0);
  EXPECT_FALSE(tree.IsExpanded(first));
}

TEST_F(TreeViewTest, HitTestTellsButtonIndentLabelAndRightApart) {
  FillCatalogue(tree, 2, 1, 1);
  tree.ApplyDisplayLevel(DisplayLevel::All, true);
  TreeItem* artist = tree.GetRootItem();
  TreeItem* album = Album(0, 0);
  TreeItem* track = tree.GetChildItem(album);
  auto hit = [this](QPoint p) { return tree.HitTest(p); };
  auto where = [&hit](QPoint p) { return hit(p).where; };

  EXPECT_EQ(where(OnButton(artist)), TreeHit::OnItemButton);
  EXPECT_EQ(hit(OnButton(artist)).item, artist);
  EXPECT_EQ(where(OnButton(album)), TreeHit::OnItemButton);
  EXPECT_EQ(where(QPoint(2, Cell(album).center().y())), TreeHit::OnItemIndent);
  EXPECT_EQ(where(OnButton(track)), TreeHit::OnItemIndent);  // a track has no button
  EXPECT_EQ(hit(OnButton(track)).item, track);
  EXPECT_EQ(where(AtCell(album, 2)), TreeHit::OnItemLabel);
  EXPECT_EQ(where(QPoint(tree.viewport()->width() - 3, Cell(track).center().y())), TreeHit::OnItemRight);

  const QPoint below(Cell(artist).center().x(), Cell(NthChild(tree, nullptr, 1)).bottom() + 3 * 20);
  EXPECT_EQ(hit(below).item, nullptr);
  EXPECT_EQ(where(below), TreeHit::Nowhere);
  EXPECT_EQ(where(QPoint(-1, Cell(artist).center().y())), TreeHit::Nowhere);
}

TEST_F(TreeViewTest, HitTestLabelCoversTheDrawnTextAndNoMore) {
  FillCatalogue(tree, 3, 0, 0);
  TreeItem* item = NthChild(tree, nullptr, 1);  // not the focused first row
  const QRect cell = Cell(item);
  const QImage shot = tree.viewport()->grab().toImage();
  int inkRight = -1;
  for (int x = cell.left(); x < shot.width(); ++x) {
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
      if (qGray(shot.pixel(x, y)) < 128) inkRight = x;
    }
  }
  ASSERT_GT(inkRight, cell.left());
  EXPECT_EQ(tree.HitTest({inkRight, cell.center().y()}).where, TreeHit::OnItemLabel);
  EXPECT_EQ(tree.HitTest({inkRight + 12, cell.center().y()}).where, TreeHit::OnItemRight);
}

// Set LUMO_SCREENSHOT_DIR to keep a picture of a small tree at the All level.
TEST_F(TreeViewTest, Screenshot) {
  const char* dir = std::getenv("LUMO_SCREENSHOT_DIR");
  if (!dir) GTEST_SKIP() << "LUMO_SCREENSHOT_DIR not set";
  tree.InsertItemWithData(lumo::test::Record(ItemKind::Artist, "Bj\xF6rk"), nullptr, InsertAt::Sort);
  FillCatalogue(tree, 2, 2, 3);
  tree.ApplyDisplayLevel(DisplayLevel::All, true);
  const std::unique_ptr<QStyle> classic(QStyleFactory::create("Windows"));
  tree.setStyle(classic.get());  // the program's classic look draws the branch lines
  tree.SelectItem(Album(1, 1));
  tree.ScrollToTop(tree.GetRootItem());
  EXPECT_TRUE(tree.grab().save(QString::fromLocal8Bit(dir) + "/lumo_tree_all.png"));
  tree.setStyle(nullptr);  // the style goes before the tree does
}

}  // namespace
