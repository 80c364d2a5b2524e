#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/catalogue/catalogue_build.h"

using namespace lumo;

namespace {

std::unique_ptr<TreeItem> Item(const std::string& label, int id) {
  auto record = std::make_unique<CatalogueItem>(CatalogueItem{ItemKind::Artist, label, {}, static_cast<int16_t>(id)});
  return std::make_unique<TreeItem>(label, std::move(record), nullptr);
}

// Record ids of the children in row order; also checks that rows are right.
std::vector<int> Ids(const TreeItem& parent) {
  std::vector<int> ids;
  for (int row = 0; row < parent.ChildCount(); ++row) {
    EXPECT_EQ(parent.Child(row)->Row(), row);
    ids.push_back(parent.Child(row)->Record()->trackIndex);
  }
  return ids;
}

std::vector<std::string> RandomLabels(std::mt19937& rng, int count) {
  // Few letters, so that case variants and exact repeats come up often.
  const std::string letters = "aAbB\xE9\xC9_";
  std::uniform_int_distribution<std::size_t> letter(0, letters.size() - 1);
  std::uniform_int_distribution<int> length(0, 3);
  std::vector<std::string> labels;
  for (int i = 0; i < count; ++i) {
    std::string label;
    for (int n = length(rng); n > 0; --n) label += letters[letter(rng)];
    labels.push_back(label);
  }
  return labels;
}

TEST(TreeItemTest, PlacingAppendedChildrenMatchesInsertingEachInSortedOrder) {
  std::mt19937 rng(11);
  for (int round = 0; round < 50; ++round) {
    const std::vector<std::string> before = RandomLabels(rng, round % 7);
    const std::vector<std::string> after = RandomLabels(rng, 1 + round);
    TreeItem oneByOne("", nullptr, nullptr);
    TreeItem together("", nullptr, nullptr);
    int id = 0;
    for (const std::string& label : before) {
      oneByOne.InsertChild(oneByOne.SortedRowFor(label), Item(label, id));
      together.InsertChild(together.SortedRowFor(label), Item(label, id++));
    }
    for (const std::string& label : after) {
      oneByOne.InsertChild(oneByOne.SortedRowFor(label), Item(label, id));
      together.AppendForSorting(Item(label, id++));
    }
    EXPECT_TRUE(together.HasUnplacedChildren());
    together.PlaceAppended();
    EXPECT_FALSE(together.HasUnplacedChildren());
    EXPECT_EQ(Ids(together), Ids(oneByOne)) << "round " << round;
  }
}

// Shifting and renumbering the siblings at each sorted insertion is what
// made building a big tree quadratic.
TEST(TreeItemTest, WaitingChildrenLeaveTheirSiblingsAloneUntilPlaced) {
  TreeItem parent("", nullptr, nullptr);
  TreeItem* c = parent.AppendForSorting(Item("c", 0));
  TreeItem* a = parent.AppendForSorting(Item("a", 1));
  EXPECT_EQ(c->Row(), 0);
  EXPECT_EQ(a->Row(), 1);

  parent.TakeChild(0).reset();  // a removal keeps the rest waiting
  TreeItem* b = parent.AppendForSorting(Item("b", 2));
  EXPECT_TRUE(parent.HasUnplacedChildren());
  EXPECT_EQ(Ids(parent), (std::vector<int>{1, 2}));

  a->SetLabel("z");  // a relabelled child does not move: the others are placed first
  EXPECT_FALSE(parent.HasUnplacedChildren());
  EXPECT_EQ(Ids(parent), (std::vector<int>{1, 2}));
  EXPECT_EQ(b->Row(), 1);

  parent.AppendForSorting(Item("0", 3));
  parent.InsertChild(parent.ChildCount(), Item("last", 4));  // placed first, then appended
  EXPECT_EQ(Ids(parent), (std::vector<int>{3, 1, 2, 4}));
}

TEST(TreeItemTest, LongLabelsAreShownShortenedWithAnEllipsis) {
  const std::string limit(kDisplayLabelLimit, 'x');
  EXPECT_EQ(ShortenedForDisplay({limit, {}}), limit);
  EXPECT_EQ(ShortenedForDisplay({"", ""}), "");
  const std::string huge = std::string(kDisplayLabelLimit + 10, 'y');
  EXPECT_EQ(ShortenedForDisplay({"12. ", huge}), "12. " + huge.substr(0, kDisplayLabelLimit - 4) + "\x85");
  EXPECT_EQ(ShortenedForDisplay({huge, "tail"}), huge.substr(0, kDisplayLabelLimit) + "\x85");
  EXPECT_EQ(ShortenedForDisplay({limit, "z"}), limit + "\x85");
}

// A label that stands for the record's text follows it through a rename,
// for a record given to the item (short texts and long ones, wherever the
// item keeps them) and for one a lean item makes from its views, which are
// not copied, when first asked; a label set otherwise stays as set.
TEST(TreeItemTest, LabelsFollowTheRecordsTextThroughARename) {
  const std::string texts = "Band" "Song" "cd01";
  const std::string_view band(texts.data(), 4), song(texts.data() + 4, 4), cd(texts.data() + 8, 4);
  const std::string longText(40, 'x');
  struct Case {
    RecordView record;
    bool lean;          // else the record is given with `label` (empty: its text)
    std::string label;
    std::string shown;
  };
  const Case cases[] = {{{ItemKind::Artist, band, {}, 0}, true, "", "Band"},
                        {{ItemKind::Album, song, cd, 0}, true, "", "Song"},
                        {{ItemKind::Track, song, cd, 0}, true, "", " 1. Song"},
                        {{ItemKind::Track, song, cd, 123}, true, "", "124. Song"},
                        {{ItemKind::Track, song, cd, -3}, true, "", "-2. Song"},
                        {{ItemKind::Track, {}, cd, 9}, true, "", "10. "},
                        {{ItemKind::Track, "ab", "cd", 2}, false, "", "ab"},
                        {{ItemKind::Track, longText, "cd", 2}, false, "", longText},
                        {{ItemKind::Track, {}, "cd", 2}, false, "", ""},
                        {{ItemKind::Track, song, "cd", 2}, false, " 3. Song", " 3. Song"}};
  for (const Case& c : cases) {
    const CatalogueItem expected{c.record.kind, std::string(c.record.text), std::string(c.record.cdKey),
                                 c.record.trackIndex};
    auto item = c.lean ? std::make_unique<TreeItem>(c.record, nullptr)
                       : std::make_unique<TreeItem>(std::optional<CatalogueItem>(expected), c.label, nullptr);
    EXPECT_EQ(item->Label(), c.shown);
    if (c.lean) {
      EXPECT_EQ(item->Text().data(), c.record.text.data()) << "not copied: " << c.shown;
    }
    CatalogueItem* record = item->Record();
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(*record, expected);
    record->text = "Renamed";
    EXPECT_EQ(item->Text(), "Renamed");
    const std::string head = c.shown.substr(0, c.shown.size() - c.record.text.size());
    item->SetLabel(head + "Renamed");
    EXPECT_EQ(item->Label(), head + "Renamed");
    item->SetLabel("Other");
    EXPECT_EQ(item->Label(), "Other");
    EXPECT_EQ(item->Record(), record) << "one record for the item's life";
  }
  EXPECT_EQ(TreeItem(std::nullopt, "root", nullptr).Record(), nullptr);
}

// Hands out children named "c0", "c1", ... and counts its calls.
class CountingMaker final : public ChildMaker {
 public:
  std::vector<std::unique_ptr<TreeItem>> MakeChildren(const TreeItem&, int count, uint64_t token) const override {
    ++calls;
    lastToken = token;
    std::vector<std::unique_ptr<TreeItem>> made;
    for (int i = 0; i < count; ++i) made.push_back(Item("c" + std::to_string(i), i));
    return made;
  }
  void ForEachChildText(const TreeItem&, int count, uint64_t,
                        const std::function<void(int, std::string_view)>& visit) const override {
    for (int i = 0; i < count; ++i) visit(i, "c");
  }
  mutable int calls = 0;
  mutable uint64_t lastToken = 0;
};

// Pending children are counted without being made, made once when first
// needed (by whatever needs them), and dropped unmade when cleared.
TEST(TreeItemTest, PendingChildrenAreCountedAndMadeOnceWhenNeeded) {
  using Need = std::function<void(TreeItem&)>;
  const std::vector<std::pair<const char*, Need>> needs = {
      {"a child", [](TreeItem& item) { EXPECT_EQ(item.Child(2)->Label(), "c2"); }},
      {"an insertion", [](TreeItem& item) { item.InsertChild(0, Item("new", 9)); }},
      {"a removal", [](TreeItem& item) { EXPECT_EQ(item.TakeChild(1)->Label(), "c1"); }},
      {"a sort", [](TreeItem& item) { item.SortChildren(); }},
      {"a sorted place", [](TreeItem& item) { EXPECT_EQ(item.SortedRowFor("c1"), 2); }},
  };
  for (const auto& [what, need] : needs) {
    CountingMaker maker;
    TreeItem album(RecordView{ItemKind::Album, "A", "k", 0}, nullptr, {.maker = &maker, .token = 42, .count = 3});
    EXPECT_EQ(album.ChildCount(), 3) << what;
    EXPECT_EQ(album.SubtreeSize(), 4) << what;
    EXPECT_EQ(maker.calls, 0) << what;
    need(album);
    EXPECT_EQ(maker.calls, 1) << what;
    EXPECT_EQ(maker.lastToken, 42u) << what;
    for (int row = 0; row < album.ChildCount(); ++row) {
      EXPECT_EQ(album.Child(row)->Parent(), &album) << what;
      EXPECT_EQ(album.Child(row)->Row(), row) << what;
    }
    EXPECT_EQ(maker.calls, 1) << what;
  }
  CountingMaker maker;
  TreeItem album(RecordView{ItemKind::Album, "A", "k", 0}, nullptr, {.maker = &maker, .count = 3});
  album.ClearChildren();
  EXPECT_EQ(album.ChildCount(), 0);
  EXPECT_EQ(album.Child(0), nullptr);
  EXPECT_EQ(maker.calls, 0);
}

}  // namespace
