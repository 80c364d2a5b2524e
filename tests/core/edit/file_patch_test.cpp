#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/edit/file_patch.h"
#include "core/catalogue/name_matcher.h"

using namespace lumo;

namespace {

// An INI-like text of `sections` sections, with repeated lines on purpose.
std::string Collection(int sections, const char* lineEnd = "\r\n") {
  std::string text = "; a comment\r\n";
  for (int i = 0; i < sections; ++i) {
    text += "[key" + std::to_string(i) + "]" + lineEnd + "EntryType=1" + lineEnd + "artist=Artist " +
            std::to_string(i % 7) + lineEnd + "title=Title" + lineEnd + "numtracks=2" + lineEnd + "0=One" +
            lineEnd + "1=Two" + lineEnd;
  }
  return text;
}

// Random line edits of the kinds cdplayer.ini sees: a line replaced, a block
// removed, lines added at the end or in the middle.
std::string Edited(std::string text, std::mt19937& random) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  const int edits = 1 + static_cast<int>(random() % 5);
  for (int e = 0; e < edits && !lines.empty(); ++e) {
    const size_t at = random() % lines.size();
    switch (random() % 4) {
      case 0: lines[at] = "title=Changed " + std::to_string(random() % 100) + "\r\n"; break;
      case 1: lines.erase(lines.begin() + at, lines.begin() + std::min(lines.size(), at + 1 + random() % 9)); break;
      case 2: lines.push_back("[new" + std::to_string(random()) + "]\r\nartist=X\r\n"); break;
      default: lines.insert(lines.begin() + at, "EntryType=1\r\n"); break;
    }
  }
  std::string out;
  for (const std::string& line : lines) out += line;
  return out;
}

TEST(FilePatch, TakesEveryRandomChangeBackAndDoesItAgain) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const std::string before = round % 10 == 0 ? std::string() : Collection(1 + round % 40);
    const std::string after = Edited(before, random) + (round % 3 == 0 ? "tail without end" : "");
    const FilePatch patch = FilePatch::Between(before, after);
    ASSERT_EQ(patch.Revert(after).value_or("(refused)"), before) << round;
    ASSERT_EQ(patch.Reapply(before).value_or("(refused)"), after) << round;
  }
}

// Both ways of making a patch: compared, and kept whole.
TEST(FilePatch, EdgesOfTheTexts) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "abc"}, {"b\n", "a\nb\n"}, {"a\nb\n", "b\n"}, {"x\ry\r", "x\ry\r"}, {"", "x"}, {"x", ""},
      {"same\n", "same\nmore"}, {"\n\n", "\n"}, {"a\rb\rc", "a\rB\rc"},
  };
  for (const auto& [before, after] : cases) {
    const FilePatch whole =
        FilePatch::Whole(std::make_shared<const std::string>(before), std::make_shared<const std::string>(after));
    for (const FilePatch& patch : {FilePatch::Between(before, after), whole}) {
      EXPECT_EQ(patch.Revert(after).value_or("(refused)"), before) << before << " / " << after;
      EXPECT_EQ(patch.Reapply(before).value_or("(refused)"), after) << before << " / " << after;
      EXPECT_FALSE(patch.Revert(after + "!")) << before << " / " << after;
    }
  }
}

TEST(FilePatch, KeepsOnlyWhatChangedAndRefusesAnotherText) {
  const std::string before = Collection(20000);
  std::string after = before;
  for (const char* key : {"[key100]", "[key9000]", "[key19999]"}) {
    after.replace(after.find("title=Title", after.find(key)), 11, "title=Renamed");
  }
  const FilePatch patch = FilePatch::Between(before, after);
  EXPECT_EQ(patch.HunkCount(), 3u);
  EXPECT_LT(patch.MemoryUsed(), 1000u);
  EXPECT_EQ(patch.Revert(after).value_or("(refused)"), before);

  std::string elsewhere = after;
  elsewhere[5] = 'X';  // somebody else's change, away from ours
  EXPECT_FALSE(patch.Revert(elsewhere));
  EXPECT_FALSE(patch.Reapply(after));
  EXPECT_FALSE(patch.Revert(before));
}

TEST(NameMatcher, FindsPiecesWithOrWithoutLetterCase) {
  struct Case {
    const char* piece;
    bool matchCase;
    const char* name;
    bool found;
  } cases[] = {
      {"ab", false, "Abba", true},
      {"AB", false, "the abbey", true},
      {"ab", true, "Abba", false},
      {"\xE9t\xE9", false, "\xC9T\xC9 1999", true},  // accented capitals fold too
      {"\xE9t\xE9", true, "\xC9T\xC9 1999", false},
      {"\xFF", false, "\x9F", true},                 // y with diaeresis
      {"", false, "anything", false},
      {"longer than the name", false, "short", false},
      {"queen", false, "Dancing Queen", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameMatcher(c.piece, c.matchCase).Matches(c.name), c.found) << c.piece << " in " << c.name;
  }
}

}  // namespace
