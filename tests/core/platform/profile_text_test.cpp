#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/profile_text.h"

namespace {

using lumo::profile::ApplyEdit;
using lumo::profile::CanWriteFaithfully;
using lumo::profile::Edit;
using lumo::profile::FindValue;

struct Golden {
  const char* what;
  std::string before;
  std::vector<Edit> edits;
  std::string after;
};

void ExpectGolden(const std::vector<Golden>& cases) {
  for (const Golden& golden : cases) {
    SCOPED_TRACE(golden.what);
    std::string bytes = golden.before;
    for (const Edit& edit : golden.edits) {
      ASSERT_TRUE(CanWriteFaithfully(edit));
      ApplyEdit(edit, bytes);
    }
    EXPECT_EQ(bytes, golden.after);
  }
}

const std::string kCtrlZ = "\x1a";

TEST(ProfileText, SetKeyKeepsEveryOtherByteAndTheFilesLineEnds) {
  ExpectGolden({
      {"CRLF, value replaced", "[a]\r\nx=1\r\n[b]\r\nx=2\r\n", {Edit::Set("b", "x", "9")},
       "[a]\r\nx=1\r\n[b]\r\nx=9\r\n"},
      {"LF, key added after the last key, before blanks and comments",
       "[a]\nx=1\n\n; next\n[b]\ny=2\n", {Edit::Set("A", "z", "v")},
       "[a]\nx=1\nz=v\n\n; next\n[b]\ny=2\n"},
      {"mixed: new lines take the first line's end", "[a]\nx=1\r\n", {Edit::Set("c", "k", "v")},
       "[a]\nx=1\r\n[c]\nk=v\n"},
      {"no final line end: key added", "[a]\r\nx=1", {Edit::Set("a", "y", "2")}, "[a]\r\nx=1\r\ny=2\r\n"},
      {"no final line end: section added", "[a]\r\nx=1", {Edit::Set("b", "k", "v")},
       "[a]\r\nx=1\r\n[b]\r\nk=v\r\n"},
      {"no line end at all: CRLF", "[a]", {Edit::Set("a", "k", "v")}, "[a]\r\nk=v\r\n"},
      {"empty file", "", {Edit::Set("s", "k", "v")}, "[s]\r\nk=v\r\n"},
      {"replaced last line keeps its missing line end", "[a]\nx=1", {Edit::Set("a", "x", "22")}, "[a]\nx=22"},
      {"indentation and key spelling kept, trailing blanks dropped", "[s]\r\n  ArTiSt=old \t\r\n",
       {Edit::Set("S", "artist", "new")}, "[s]\r\n  ArTiSt=new\r\n"},
      {"comments, junk and unknown keys untouched", "; c=1\r\n[s]\r\njunk\r\n#k=1\r\nk=1 ; note\r\n",
       {Edit::Set("s", "k", "2")}, "; c=1\r\n[s]\r\njunk\r\n#k=1\r\nk=2\r\n"},
      {"blanks around '=' make another key", "[s]\r\nartist = X\r\n", {Edit::Set("s", "artist", "Y")},
       "[s]\r\nartist = X\r\nartist=Y\r\n"},
      {"key lines before the first header belong to no section", "x=1\r\n[a]\r\n", {Edit::Set("a", "x", "2")},
       "x=1\r\n[a]\r\nx=2\r\n"},
      {"a header without ']' names one character less", "[abc\r\nk=1\r\n", {Edit::Set("ab", "k", "2")},
       "[abc\r\nk=2\r\n"},
      {"lone CR at the end of the text", "[a]\r", {Edit::Set("a", "k", "v")}, "[a]\r\r\nk=v\r\n"},
  });
}

TEST(ProfileText, SetKeyChangesEveryOccurrenceAndAddsToTheLastOne) {
  const std::string file = "[Abc]\r\nk=1\r\nK=2\r\n[x]\r\nk=0\r\n[aBC]\r\nk=3\r\nj=4\r\n\r\n";
  ExpectGolden({
      {"all lines of the key, in every occurrence", file, {Edit::Set("abc", "k", "9")},
       "[Abc]\r\nk=9\r\nK=9\r\n[x]\r\nk=0\r\n[aBC]\r\nk=9\r\nj=4\r\n\r\n"},
      {"missing key goes to the last occurrence", file, {Edit::Set("ABC", "new", "v")},
       "[Abc]\r\nk=1\r\nK=2\r\n[x]\r\nk=0\r\n[aBC]\r\nk=3\r\nj=4\r\nnew=v\r\n\r\n"},
      {"Windows-1252 letters fold", "[\xE9T\xC9]\r\nk=\xFF\r\n", {Edit::Set("\xC9t\xE9", "k", "\x80\xA0")},
       "[\xE9T\xC9]\r\nk=\x80\xA0\r\n"},
  });
}

TEST(ProfileText, NothingAfterCtrlZIsMatchedOrChanged) {
  const std::string tail = kCtrlZ + "[a]\r\nx=old\r\n\xFF";
  ExpectGolden({
      {"value replaced before the tail", "[a]\r\nx=1\r\n" + tail, {Edit::Set("a", "x", "2")},
       "[a]\r\nx=2\r\n" + tail},
      {"section added before the tail", "[a]\r\nx=1" + tail, {Edit::Set("z", "k", "v")},
       "[a]\r\nx=1\r\n[z]\r\nk=v\r\n" + tail},
      {"section removed up to the tail", "[b]\r\n[a]\r\nx=1" + tail, {Edit::Remove("a")}, "[b]\r\n" + tail},
  });
  EXPECT_FALSE(FindValue("[a]\r\n" + tail, "a", "x"));
}

TEST(ProfileText, RemoveSectionDropsEveryOccurrenceWithItsLines) {
  ExpectGolden({
      {"headers, keys, comments and blanks of each occurrence",
       "; top\r\n[a]\r\nx=1\r\n; c\r\n\r\n[b]\r\ny=1\r\n[A]\r\nz=1", {Edit::Remove("a")}, "; top\r\n[b]\r\ny=1\r\n"},
      {"adjacent occurrences", "[a]\n[A]\nk=1\n[c]\n", {Edit::Remove("a")}, "[c]\n"},
      {"missing section: no change", "[a]\r\nx=1", {Edit::Remove("q")}, "[a]\r\nx=1"},
      {"then set again: appended at the end", "[a]\r\nx=1\r\n[b]\r\n",
       {Edit::Remove("a"), Edit::Set("a", "x", "2")}, "[b]\r\n[a]\r\nx=2\r\n"},
  });
}

TEST(ProfileText, FindValueReadsLikeTheLoader) {
  const std::string file = "k=top\r\n[S]\r\nk=1\r\nk = spaced\r\n[t]\r\nk=t\r\n[s]\r\nK=last\r\nempty=\r\n";
  EXPECT_EQ(FindValue(file, "s", "k"), "last");
  EXPECT_EQ(FindValue(file, "s", "k "), " spaced");
  EXPECT_EQ(FindValue(file, "S", "EMPTY"), "");
  EXPECT_FALSE(FindValue(file, "s", "missing"));
  EXPECT_FALSE(FindValue(file, "u", "k"));
  EXPECT_FALSE(FindValue("", "s", "k"));
}

TEST(ProfileText, RefusesWhatCouldNotBeReadBack) {
  const std::vector<Edit> refused = {
      Edit::Set("", "k", "v"),      Edit::Remove(""),           Edit::Set("a\rb", "k", "v"),
      Edit::Set("s", "a\nb", "v"),  Edit::Set("s", "k", std::string("a\0b", 3)), Edit::Set("s", "k", "a\x1a"),
      Edit::Set("s", "a=b", "v"),   Edit::Set("s", ";k", "v"),  Edit::Set("s", "[k", "v"),
      Edit::Set("s", " k", "v"),    Edit::Set("s", "k", "v "),  Edit::Set("s", "k", "v\t"),
      Edit::Remove("a\nb"),
  };
  for (const Edit& edit : refused) {
    EXPECT_FALSE(CanWriteFaithfully(edit)) << edit.section << "|" << edit.key << "|" << edit.value;
  }
  const std::vector<Edit> accepted = {
      Edit::Set(" s ", "k", "v"), Edit::Set("a]b[", "#k", "=v"), Edit::Set("s", "k\t", " v"),
      Edit::Set("s", "", ""),    Edit::Set("s", "k;", "a=b"),   Edit::Remove(" [x] "),
  };
  for (const Edit& edit : accepted) {
    EXPECT_TRUE(CanWriteFaithfully(edit)) << edit.section << "|" << edit.key << "|" << edit.value;
  }
}

// A name with the byte b at its start, middle or end.
std::vector<std::string> Placements(char b) {
  return {std::string(1, b) + "ab", std::string("a") + b + "b", std::string("ab") + b};
}

// The plainest way of writing the edit: does a reader get the value back?
bool PlainLinesReadBack(const Edit& edit) {
  const std::string file = "[" + edit.section + "]\r\n" + edit.key + "=" + edit.value + "\r\n";
  return FindValue(file, edit.section, edit.key) == std::string_view(edit.value);
}

// Every byte in every place of section, key and value: an edit is accepted
// exactly when its plain lines read back (NUL and CR, which other readers
// take for line breaks, are refused all the same), and
// an accepted edit reads back both when new and when replacing a value.
TEST(ProfileText, AcceptsExactlyWhatReadsBack) {
  for (int b = 0; b < 256; ++b) {
    for (const std::string& text : Placements(static_cast<char>(b))) {
      for (const Edit& edit : {Edit::Set(text, "k", "v"), Edit::Set("s", text, "v"), Edit::Set("s", "k", text)}) {
        SCOPED_TRACE(testing::Message() << "byte " << b << " in " << edit.section << "|" << edit.key << "|"
                                        << edit.value);
        EXPECT_EQ(CanWriteFaithfully(edit), b != 0 && b != '\r' && PlainLinesReadBack(edit));
        if (!CanWriteFaithfully(edit)) continue;
        std::string fresh;
        ApplyEdit(edit, fresh);
        EXPECT_EQ(FindValue(fresh, edit.section, edit.key), std::string_view(edit.value));
        std::string existing = "[" + edit.section + "]\r\n\t" + edit.key + "=old\r\n";
        ApplyEdit(edit, existing);
        EXPECT_EQ(FindValue(existing, edit.section, edit.key), std::string_view(edit.value));
      }
    }
  }
}

}  // namespace
