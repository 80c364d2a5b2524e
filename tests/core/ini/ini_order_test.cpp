#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <list>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/ini/bucket_map.h"
#include "ini_test_util.h"
#include "core/platform/text_fold.h"

namespace lumo::test {
namespace {

using ::testing::ElementsAre;

// The 17-bucket rule written out independently: bytes from 128 on count as
// negative, arithmetic modulo 2^32.
uint32_t ExpectedBucket(const std::string& folded) {
  uint64_t h = 0;
  for (unsigned char u : folded) {
    const int64_t b = u >= 128 ? int64_t{u} - 256 : int64_t{u};
    h = (h * 33 + static_cast<uint64_t>(b)) % 4294967296ull;
  }
  return static_cast<uint32_t>(h % 17);
}

TEST(IniOrder, BucketOfKnownNames) {
  EXPECT_EQ(BucketMap<int>::BucketOf("a"), 12u);
  EXPECT_EQ(BucketMap<int>::BucketOf("ab"), 1u);
  EXPECT_EQ(BucketMap<int>::BucketOf("\xFF"), 0u);
  EXPECT_EQ(BucketMap<int>::BucketOf("\x80"), 9u);
  EXPECT_EQ(BucketMap<int>::BucketOf("12345678"), 13u);
  EXPECT_EQ(BucketMap<int>::BucketOf("\xE0\xE9 disc"), 5u);
  EXPECT_EQ(BucketMap<int>::BucketOf(""), 0u);
}

// Sections enumerate by bucket 0..16 of their folded name, newest first
// within a bucket, whatever their order in the file.
TEST(IniOrder, SectionsEnumerateInBucketOrder) {
  std::vector<std::string> names;
  for (int i = 0; i < 60; ++i) names.push_back("CD" + std::to_string(i * 7919));
  for (const char* odd : {"\xC0lbum", "\xE0LBUM2", "\xFF\xFE", "\x80", "", "Zz", "zZ top", "3A1B2C4D"}) names.push_back(odd);

  std::string file;
  for (const std::string& name : names) file += "[" + name + "]\r\nartist=" + name + "\r\n";
  LoadedFile loaded(file);
  ASSERT_TRUE(loaded.loaded);

  std::vector<std::string> expected(names.rbegin(), names.rend());
  std::stable_sort(expected.begin(), expected.end(), [](const std::string& a, const std::string& b) {
    return ExpectedBucket(FoldCase(a)) < ExpectedBucket(FoldCase(b));
  });
  EXPECT_EQ(SectionNames(loaded.document), expected);

  // Each enumerated copy carries the section's own keys.
  for (const IniSection& section : AllSections(loaded.document)) {
    EXPECT_EQ(section.GetString("artist", "-"), section.GetName());
  }
}

TEST(IniOrder, RepeatedHeaderKeepsTheFirstPlace) {
  // "a" and "r" share bucket 12; the repeated "A" must not move "a" ahead of "r".
  ASSERT_EQ(ExpectedBucket("r"), ExpectedBucket("a"));
  LoadedFile loaded("[a]\n[r]\n[A]\n");
  EXPECT_THAT(SectionNames(loaded.document), ElementsAre("r", "a"));
}

TEST(IniOrder, StalePositionEndsQuietly) {
  LoadedFile loaded("[a]\nk=1\n");
  IniDocument::Position none;
  IniSection target("untouched");
  loaded.document.NextSection(none, target);
  EXPECT_FALSE(none);
  EXPECT_EQ(target.GetName(), "untouched");
}

// A reference model of the order: one list per bucket, newest in front.
struct OrderModel {
  std::array<std::list<std::string>, 17> buckets;
  std::map<std::string, int> values;

  void Insert(const std::string& key, int value) {
    if (values.emplace(key, value).second) buckets[ExpectedBucket(key)].push_front(key);
  }
  void Erase(const std::string& key) {
    if (values.erase(key) != 0) buckets[ExpectedBucket(key)].remove(key);
  }
  std::vector<std::string> Order() const {
    std::vector<std::string> order;
    for (const auto& bucket : buckets) order.insert(order.end(), bucket.begin(), bucket.end());
    return order;
  }
};

std::vector<std::string> OrderOf(const BucketMap<int>& map) {
  std::vector<std::string> order;
  for (auto c = map.First(); c != map.kNone; c = map.Next(c)) order.push_back(map.KeyAt(c));
  return order;
}

// Random inserts and removals, many colliding in the index, against the
// model: order, lookups and size must agree after every step.
TEST(BucketMapTest, MatchesReferenceModelUnderInsertAndErase) {
  std::mt19937 random(7);
  std::vector<std::string> pool;
  for (int i = 0; i < 300; ++i) pool.push_back(std::string(1, static_cast<char>(0x80 + i % 100)) + std::to_string(i));
  BucketMap<int> map;
  OrderModel model;
  for (int step = 0; step < 4000; ++step) {
    const std::string& key = pool[random() % pool.size()];
    if (random() % 3 == 0) {
      EXPECT_EQ(map.Erase(key), model.values.count(key) == 1);
      model.Erase(key);
    } else {
      const auto [cursor, inserted] = map.Emplace(key);
      EXPECT_EQ(inserted, model.values.count(key) == 0);
      if (inserted) map.ValueAt(cursor) = step;
      model.Insert(key, step);
    }
    ASSERT_EQ(map.Size(), model.values.size());
    if (step % 50 == 0) {
      ASSERT_EQ(OrderOf(map), model.Order()) << "after step " << step;
    }
  }
  EXPECT_EQ(OrderOf(map), model.Order());
  for (const std::string& key : pool) {
    const auto cursor = map.Find(key);
    const auto it = model.values.find(key);
    ASSERT_EQ(cursor != map.kNone, it != model.values.end()) << key;
    if (cursor != map.kNone) {
      EXPECT_EQ(map.ValueAt(cursor), it->second);
    }
  }
}

TEST(BucketMapTest, EraseKeepsOthersAndCopiesAreIndependent) {
  BucketMap<int> map;
  for (const char* key : {"a", "r", "b", "s", "c"}) map.Emplace(key);
  const std::vector<std::string> before = OrderOf(map);
  BucketMap<int> copy = map;
  ASSERT_TRUE(map.Erase("r"));
  EXPECT_FALSE(map.Erase("r"));
  std::vector<std::string> expected = before;
  expected.erase(std::find(expected.begin(), expected.end(), "r"));
  EXPECT_EQ(OrderOf(map), expected);
  EXPECT_EQ(OrderOf(copy), before);
  // Re-entered, a key goes to the front of its bucket again.
  map.Emplace("r");
  EXPECT_THAT(OrderOf(map), ElementsAre("r", "a", "s", "b", "c"));
}

}  // namespace
}  // namespace lumo::test
