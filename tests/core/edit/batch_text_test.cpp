#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/platform/profile_text.h"

namespace {

using lumo::profile::ApplyEdit;
using lumo::profile::ApplyEditsToText;
using lumo::profile::Edit;

struct Golden {
  const char* what;
  std::string before;
  std::vector<Edit> edits;
  std::string after;
};

// Cases where an early edit changes what a later one must see: the line end
// taken from the first line, the last line's missing line end, sections
// added, removed and added again.
TEST(BatchText, LaterEditsSeeWhatEarlierOnesDid) {
  const std::vector<Golden> cases = {
      {"first line removed: new lines take the next one's line end", "[a]\nk=1\n[b]\r\nk=2\r\n",
       {Edit::Remove("a"), Edit::Set("c", "k", "3")}, "[b]\r\nk=2\r\n[c]\r\nk=3\r\n"},
      {"line end added to a section later removed goes with it", "[a]\nk=1\n[b]\nk=2",
       {Edit::Set("c", "k", "3"), Edit::Remove("b")}, "[a]\nk=1\n[c]\nk=3\n"},
      {"line end added to the last untouched line stays", "x=1", {Edit::Set("s", "k", "v"), Edit::Remove("s")},
       "x=1\r\n"},
      {"added, removed, added again at the end", "[a]\r\n", {Edit::Set("s", "k", "1"), Edit::Remove("S"),
       Edit::Set("t", "k", "2"), Edit::Set("s", "K", "3")}, "[a]\r\n[t]\r\nk=2\r\n[s]\r\nK=3\r\n"},
      {"one section under two headers, a key added to the last", "[s]\r\na=1\r\n[o]\r\n[S]\r\nb=2\r\n; note\r\n",
       {Edit::Set("s", "c", "3"), Edit::Set("s", "a", "9"), Edit::Set("s", "c", "4")},
       "[s]\r\na=9\r\n[o]\r\n[S]\r\nb=2\r\nc=4\r\n; note\r\n"},
      {"nothing after Ctrl-Z is touched", "[a]\r\n\x1a[b]\r\nk=0\r\n", {Edit::Set("b", "k", "1"), Edit::Remove("a")},
       "[b]\r\nk=1\r\n\x1a[b]\r\nk=0\r\n"},
  };
  for (const Golden& golden : cases) {
    SCOPED_TRACE(golden.what);
    std::string batch = golden.before;
    EXPECT_TRUE(ApplyEditsToText(golden.edits, batch));
    EXPECT_EQ(batch, golden.after);
  }
}

// Random files and batches: one batch gives the bytes of its edits applied
// one at a time, and reports a change exactly when one of them changed a byte.
// Every other batch only sets keys, up to a dozen, in sections spread over
// the batch, as a replace across names does.
TEST(BatchText, RandomBatchesEqualTheEditsOneByOne) {
  const std::vector<std::string> lines = {"[a]", "[A]", "[b]", "[ a ]", "k=1", "K=2", "title=x", "=e", "; c", "",
                                          "junk", "[x", "  k = 3", "\x1a", "[b]z", "0=s [live]"};
  const std::vector<std::string> ends = {"\n", "\r\n", "", "\r"};
  const std::vector<std::string> sections = {"a", "A", "b", " a", "new"};
  const std::vector<std::string> keys = {"k", "K", "title", "0", ""};
  std::mt19937 random(7);
  auto pick = [&random](const std::vector<std::string>& from) { return from[random() % from.size()]; };
  for (int round = 0; round < 20000; ++round) {
    std::string file;
    for (int n = static_cast<int>(random() % 8); n > 0; --n) file += pick(lines) + pick(ends);
    std::vector<Edit> edits;
    const bool valuesOnly = round % 2 == 0;
    for (int n = 1 + static_cast<int>(random() % (valuesOnly ? 12 : 5)); n > 0; --n) {
      edits.push_back(!valuesOnly && random() % 3 == 0 ? Edit::Remove(pick(sections))
                                        : Edit::Set(pick(sections), pick(keys), random() % 2 ? "v" : "1"));
    }
    std::string single = file;
    bool changedSingly = false;
    for (const Edit& edit : edits) changedSingly = ApplyEdit(edit, single) || changedSingly;
    std::string batch = file;
    const bool changed = ApplyEditsToText(edits, batch);
    ASSERT_EQ(batch, single) << "round " << round << ", file: " << file;
    ASSERT_EQ(changed, changedSingly) << "round " << round;
  }
}

}  // namespace
