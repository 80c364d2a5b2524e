#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

#include "core/ini/ini_entries.h"

namespace lumo {
namespace {

void ExpectSame(const IniEntries& entries, const std::map<std::string, std::string>& model) {
  ASSERT_EQ(entries.Size(), model.size());
  for (const auto& [key, value] : model) {
    const auto found = entries.Find(key);
    ASSERT_TRUE(found.has_value()) << key;
    EXPECT_EQ(*found, value) << key;
  }
  EXPECT_FALSE(entries.Find("no such key").has_value());
}

// Small and large sections (scanned, then indexed), values replaced by
// shorter and longer ones so that dead bytes pile up and get compacted.
TEST(IniEntriesTest, MatchesAMapThroughGrowthAndReplacement) {
  std::mt19937 random(11);
  for (const int keyCount : {1, 5, 32, 33, 200}) {
    IniEntries entries;
    std::map<std::string, std::string> model;
    for (int step = 0; step < keyCount * 20; ++step) {
      const std::string key = "k" + std::to_string(random() % static_cast<unsigned>(keyCount));
      const std::string value(random() % 300, static_cast<char>('a' + step % 26));
      entries.Set(key, value);
      model[key] = value;
    }
    ExpectSame(entries, model);
    IniEntries copy = entries;
    entries.Set("k0", "changed");
    ExpectSame(copy, model);
  }
}

TEST(IniEntriesTest, KeepsFirstInsertionOrderAndEmptyKeysAndValues) {
  IniEntries entries;
  entries.Set("b", "1");
  entries.Set("", "");
  entries.Set("a", "2");
  entries.Set("b", "longer than before");
  ASSERT_EQ(entries.Size(), 3u);
  EXPECT_EQ(entries.At(0).first, "b");
  EXPECT_EQ(entries.At(0).second, "longer than before");
  EXPECT_EQ(entries.At(1).first, "");
  EXPECT_EQ(entries.Find("").value(), "");
  EXPECT_EQ(entries.At(2).first, "a");
  // Key bytes are compared exactly: no folding here.
  EXPECT_FALSE(entries.Find("A").has_value());
}

// A value read from the entries themselves stays intact when storing it
// moves the buffer.
TEST(IniEntriesTest, ValueTakenFromItselfSurvivesGrowth) {
  IniEntries entries;
  entries.Set("a", std::string(100, 'x'));
  for (int i = 0; i < 50; ++i) {
    const std::string key = "copy" + std::to_string(i);
    const std::string expected(*entries.Find("a"));
    entries.Set(key, *entries.Find("a"));
    ASSERT_EQ(*entries.Find(key), expected);
    entries.Set("a", std::string(100 + static_cast<std::size_t>(i), 'x'));
  }
  entries.Set("a", entries.Find("a")->substr(10));
  EXPECT_EQ(*entries.Find("a"), std::string(139, 'x'));
}

}  // namespace
}  // namespace lumo
