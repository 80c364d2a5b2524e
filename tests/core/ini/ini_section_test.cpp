#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ini_test_util.h"

namespace lumo::test {
namespace {

using ::testing::ElementsAre;
using Assignments = std::vector<std::pair<std::string, std::string>>;

Assignments AssignmentsOf(const IniSection& section) {
  Assignments calls;
  section.ForEachAssignment([&](std::string_view key, std::string_view value) { calls.emplace_back(key, value); });
  return calls;
}

bool LiesIn(std::string_view view, const std::string& bytes) {
  return view.data() >= bytes.data() && view.data() + view.size() <= bytes.data() + bytes.size();
}

// A section as loaded walks its key lines as the file has them, so that a
// reader applying the calls in order ends with the last value of each key.
TEST(IniSectionAsLoaded, ForEachAssignmentGivesEveryKeyLineInFileOrder) {
  struct Case {
    const char* file;
    Assignments expected;  // of section "s"
  };
  const Case cases[] = {
      // Repeated keys come each time, folded.
      {"[s]\r\nB=1\r\na=2\r\nb=3\r\n", {{"b", "1"}, {"a", "2"}, {"b", "3"}}},
      // Repeated headers in file order; the last line has no line end.
      {"[S]\nk=1\n[t]\nx=0\n[s]\nk=2\nm=3", {{"k", "1"}, {"k", "2"}, {"m", "3"}}},
      // Comments, junk and blank lines are no keys; blanks at the "=" belong to key and value.
      {"[s]\n; c=1\njunk\n\n\t k = v \r\n[t]\n", {{"k ", " v"}}},
      // A Ctrl-Z ends the file, in the middle of a line too.
      {"[s]\r\nk=a\x1a\r\nj=b\r\n", {{"k", "a"}}},
      {"[s]\r\n[t]\r\nk=1\r\n", {}},
  };
  for (const Case& c : cases) {
    LoadedFile file(c.file);
    const IniSection* section = file.document.FindSection("s");
    ASSERT_NE(section, nullptr) << c.file;
    EXPECT_EQ(AssignmentsOf(*section), c.expected) << c.file;
  }
}

// The views of a section as loaded point into the loaded bytes, which
// whoever keeps them can rely on through changes, reloads and the
// document's end.
TEST(IniSectionAsLoaded, ValuesLieInTheLoadedBytesAndOutliveTheDocument) {
  TempDir dir;
  const std::string path = dir.File("cd.ini");
  const std::string original = "[Disc]\r\nartist=Old\r\ntitle=T\r\n";
  WriteBytes(path, original);
  auto document = std::make_unique<IniDocument>(path);
  ASSERT_TRUE(document->Load());
  const std::shared_ptr<const std::string> bytes = document->LoadedBytes();
  ASSERT_NE(bytes, nullptr);
  std::vector<std::string_view> views = {*document->FindSection("DISC")->Find("Artist")};
  document->FindSection("disc")->ForEachAssignment([&](std::string_view, std::string_view v) { views.push_back(v); });
  for (const std::string_view view : views) EXPECT_TRUE(LiesIn(view, *bytes)) << view;

  ASSERT_TRUE(document->WriteString("disc", "artist", "New one"));
  EXPECT_EQ(document->GetString("disc", "artist", "-"), "New one");
  ASSERT_TRUE(document->Load());
  EXPECT_NE(document->LoadedBytes(), bytes);
  document.reset();
  EXPECT_EQ(*bytes, original);
  EXPECT_THAT(views, ElementsAre("Old", "Old", "T"));
}

// Copies are plain values: one taken before a change keeps what it held,
// also after the document has gone.
TEST(IniSectionAsLoaded, CopiesKeepTheirContentThroughChangesAndTheDocumentsEnd) {
  TempDir dir;
  const std::string path = dir.File("cd.ini");
  WriteBytes(path, "[a]\nk=1\n[b]\nk=b\n[A]\nj=2\nK=3\n");
  auto document = std::make_unique<IniDocument>(path);
  ASSERT_TRUE(document->Load());
  const std::vector<IniSection> copies = AllSections(*document);
  ASSERT_EQ(copies.size(), 2u);
  IniSection listed = *document->FindSection("a");
  ASSERT_EQ(listed.KeyCount(), 2u);  // a listing made before the change

  ASSERT_TRUE(document->WriteString("A", "k", "changed"));
  ASSERT_TRUE(document->DeleteSection("b"));
  WriteBytes(path, "[other]\n");
  ASSERT_TRUE(document->Load());
  document.reset();

  const IniSection& copiedA = copies[copies[0].GetName() == "a" ? 0 : 1];
  for (const IniSection* a : {&copiedA, static_cast<const IniSection*>(&listed)}) {
    EXPECT_EQ(a->GetString("K", "-"), "3");
    EXPECT_EQ(a->GetInt("j", -1), 2);
    ASSERT_EQ(a->KeyCount(), 2u);
    EXPECT_EQ(a->EntryAt(0), std::make_pair(std::string_view("k"), std::string_view("3")));
    EXPECT_EQ(a->EntryAt(1), std::make_pair(std::string_view("j"), std::string_view("2")));
  }
  EXPECT_EQ(copies[copies[0].GetName() == "b" ? 0 : 1].GetString("k", "-"), "b");
}

// A duplicate-header hook may list the keys read so far; the lines that
// follow must still count.
TEST(IniSectionAsLoaded, AListingMadeDuringTheLoadTakesTheLaterLines) {
  std::vector<std::size_t> counts;
  const auto hook = [&](const std::string&, const IniSection& existing) { counts.push_back(existing.KeyCount()); };
  LoadedFile file("[a]\nk=1\n[A]\nj=2\n[a]\nk=3\nm=4\n", {}, hook);
  EXPECT_THAT(counts, ElementsAre(1u, 2u));
  const IniSection* a = file.document.FindSection("a");
  ASSERT_EQ(a->KeyCount(), 3u);
  EXPECT_EQ(a->EntryAt(0).second, "3");
  EXPECT_EQ(a->EntryAt(2).first, "m");
}

// The bytes another program's change is measured against: those of the
// load, held once, until a write changes the file; then those written.
TEST(IniSectionAsLoaded, FileBytesAreTheLoadedOnesUntilAWriteChangesTheFile) {
  const std::string loaded = "[s]\r\nk=1\r\n";
  LoadedFile file(loaded);
  IniDocument& document = file.document;
  const auto heldOnce = [&] { return document.FileBytes().data() == document.LoadedBytes()->data(); };
  EXPECT_EQ(document.FileBytes(), loaded);
  EXPECT_TRUE(heldOnce());

  ASSERT_TRUE(document.WriteString("s", "K", "1"));  // changes no byte
  EXPECT_TRUE(heldOnce());
  WriteBytes(file.path, "[s]\r\nk=other\r\n");
  EXPECT_FALSE(document.WriteString("s", "j", "x"));  // another program's change
  EXPECT_TRUE(heldOnce());

  WriteBytes(file.path, loaded);
  std::optional<std::string> replaced;
  ASSERT_TRUE(document.ApplyEdits({profile::Edit::Set("s", "k", "2")}, nullptr, &replaced));
  EXPECT_EQ(replaced, loaded);
  EXPECT_EQ(document.FileBytes(), ReadBytes(file.path));
  EXPECT_EQ(document.FileBytes(), "[s]\r\nk=2\r\n");
  EXPECT_EQ(*document.LoadedBytes(), loaded);

  document.SetFile(file.dir.File("missing.ini"));
  ASSERT_FALSE(document.Load());
  EXPECT_EQ(document.FileBytes(), "");
}

}  // namespace
}  // namespace lumo::test
