#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ini_test_util.h"
#include "core/platform/replacement_file.h"

namespace lumo::test {
namespace {

using ::testing::ElementsAre;

std::string Fixture(const std::string& name) { return std::string(LUMO_CATALOGUE_TEST_DATA) + "/" + name; }

// The file's own comments say what each odd line must produce.
TEST(IniLoad, OddLinesFixture) {
  IniDocument document(Fixture("odd_lines.ini"));
  ASSERT_TRUE(document.Load());
  ASSERT_TRUE(document.IsLoaded());
  EXPECT_EQ(document.SectionCount(), 4u);

  EXPECT_EQ(document.GetString("ab", "k1", "-"), "in ab");
  EXPECT_EQ(document.GetString(" abc ", "k2", "-"), "in blank abc");
  EXPECT_EQ(document.GetString("", "e1", "-"), "first");
  EXPECT_EQ(document.GetString("", "e2", "-"), "second");
  EXPECT_EQ(document.GetString("abc ", "k2", "-"), "-");

  const IniSection* abc = document.FindSection("ABC");
  ASSERT_NE(abc, nullptr);
  EXPECT_EQ(abc->GetName(), "Abc");
  EXPECT_EQ(abc->GetString("artist ", "-"), " X");
  EXPECT_EQ(abc->GetString("ARTIST", "-"), "Y");
  EXPECT_EQ(abc->GetString("a", "-"), "b=c");
  EXPECT_EQ(abc->GetString("", "-"), "v");
  EXPECT_EQ(abc->GetString("x", "-"), "1 ; note");
  EXPECT_EQ(abc->GetString("#hash", "-"), "h");
  EXPECT_EQ(abc->GetString("padded", "-"), "p");
  EXPECT_EQ(abc->GetString("dup", "-"), "new");
  EXPECT_EQ(abc->GetString("extra", "-"), "merged");
  EXPECT_EQ(abc->GetString("k[3]", "-"), "bracket");
  EXPECT_EQ(abc->GetString("tail", "-"), "no line end");
  EXPECT_EQ(abc->KeyCount(), 11u);

  for (const IniSection& section : AllSections(document)) {
    EXPECT_EQ(section.GetString("orphan", "-"), "-") << section.GetName();
  }
}

TEST(IniLoad, BlanksAroundEqualsBelongToKeyAndValue) {
  LoadedFile file("[s]\r\nartist = X\r\n");
  EXPECT_EQ(file.document.GetString("s", "artist", "default"), "default");
  EXPECT_EQ(file.document.GetString("s", "artist ", "default"), " X");
}

TEST(IniLoad, TextModeLineRules) {
  // Ctrl-Z ends the file, even in the middle of a line.
  LoadedFile ctrlZ(std::string("[s]\nk=ab\x1a" "cd\n[t]\nk=2\n"));
  EXPECT_EQ(ctrlZ.document.GetString("s", "k", "-"), "ab");
  EXPECT_EQ(ctrlZ.document.FindSection("t"), nullptr);

  // LF-only ends; a CR inside a line stays; CRs at the end are trimmed.
  LoadedFile crs("[s]\nk=a\rb\nm=v\r\r\n");
  EXPECT_EQ(crs.document.GetString("s", "k", "-"), "a\rb");
  EXPECT_EQ(crs.document.GetString("s", "m", "-"), "v");

  // NUL bytes and every high byte are value bytes like any other.
  std::string value("a\0b", 3);
  for (int b = 0x80; b <= 0xFF; ++b) value.push_back(static_cast<char>(b));
  LoadedFile bytes("[s]\nk=" + value + "\n");
  EXPECT_EQ(bytes.document.GetString("s", "k", "-"), value);

  // Lines of any length are read whole.
  const std::string longValue(200000, 'v');
  LoadedFile longLine("[s]\r\nk=" + longValue + "\r\n");
  EXPECT_EQ(longLine.document.GetString("s", "k", "-"), longValue);
}

TEST(IniLoad, NamesMatchInAnyLetterCaseValuesDoNot) {
  // Windows-1252 capitals: A-grave, E-acute, Thorn, S-caron; the
  // multiplication sign has no lower case.
  LoadedFile file("[\xC0\xC9\xDE\xD7 Disc]\r\nArtist=VaLuE \xC0\r\n\x8A=caron\r\n");
  const IniDocument& document = file.document;
  EXPECT_EQ(document.GetString("\xE0\xE9\xFE\xD7 disc", "artist", "-"), "VaLuE \xC0");
  EXPECT_EQ(document.GetString("\xC0\xC9\xDE\xD7 DISC", "ARTIST", "-"), "VaLuE \xC0");
  EXPECT_EQ(document.GetString("\xE0\xE9\xFE\xF7 disc", "artist", "-"), "-");
  EXPECT_EQ(document.GetString("\xE0\xE9\xFE\xD7 disc", "\x9A", "-"), "caron");
  EXPECT_EQ(document.FindSection("\xE0\xE9\xFE\xD7 DISC")->GetName(), "\xC0\xC9\xDE\xD7 Disc");
}

TEST(IniLoad, IntegersInMemory) {
  LoadedFile file("[s]\nnum=12abc\nletters=abc\nempty=\nneg= -7\nhuge=99999999999\n");
  const IniDocument& document = file.document;
  EXPECT_EQ(document.GetInt("s", "num", -1), 12);
  EXPECT_EQ(document.GetInt("s", "letters", -1), 0);
  EXPECT_EQ(document.GetInt("s", "empty", -1), 0);
  EXPECT_EQ(document.GetString("s", "empty", "-"), "");
  EXPECT_EQ(document.GetInt("s", "neg", -1), -7);
  EXPECT_EQ(document.GetInt("s", "huge", -1), 2147483647);
  EXPECT_EQ(document.GetInt("s", "missing", -1), -1);
  EXPECT_EQ(document.GetInt("nosuch", "num", 42), 42);
}

TEST(IniLoad, DuplicateHeadersMergeAndCallTheHook) {
  std::vector<std::pair<std::string, std::string>> calls;  // name as written, existing name + its "k"
  auto hook = [&](const std::string& name, const IniSection& existing) {
    calls.emplace_back(name, existing.GetName() + ":" + existing.GetString("k", "-"));
  };
  LoadedFile file("[Abc]\nk=1\nj=1\n[other]\n[aBC]\nk=2\n[ABC]\n", {}, hook);
  EXPECT_THAT(calls, ElementsAre(std::make_pair(std::string("aBC"), std::string("Abc:1")),
                                 std::make_pair(std::string("ABC"), std::string("Abc:2"))));
  EXPECT_EQ(file.document.SectionCount(), 2u);
  EXPECT_EQ(file.document.GetString("abc", "k", "-"), "2");
  EXPECT_EQ(file.document.GetString("abc", "j", "-"), "1");
}

// A section as loaded finds its name and lines again from its header; the
// index of names, once given back, is made again by the next look-up.
TEST(IniLoad, SectionsReadTheirHeaderAgainAndFindOnceTheIndexIsDropped) {
  const struct {
    const char* bytes;
    const char* name;   // of the one section asked for
    const char* value;  // of its key "k"
  } cases[] = {
      {" [ Spaced Name ] \r\nk=1\r\n", " Spaced Name ", "1"},
      {"[a]\n; note\n\nk=2\n[b]\nk=3\n", "a", "2"},
      {"[a]\n[b]\nk=3\n[A]\nk=4\n", "a", "4"},          // no key under the first header
      {"[a]\nk=5\n[b]\nk=3\n[A]\nj=4\n", "a", "5"},    // lines under a later header too
      {"x=0\n[last]\nk=6\x1a[last]\nk=7\n", "last", "6"},  // nothing after Ctrl-Z
      {"[last]", "last", "-"},
  };
  for (const auto& c : cases) {
    LoadedFile file(c.bytes);
    ASSERT_TRUE(file.loaded) << c.bytes;
    file.document.DropNameIndex();
    const IniSection* section = file.document.FindSection(c.name);
    ASSERT_NE(section, nullptr) << c.bytes;
    EXPECT_EQ(section->GetName(), c.name) << c.bytes;
    EXPECT_EQ(section->GetString("k", "-"), c.value) << c.bytes;
    EXPECT_EQ(file.document.FindSection("missing"), nullptr);
  }
}

std::vector<int> ProgressOf(const std::string& bytes) {
  std::vector<int> calls;
  LoadedFile file(bytes, [&](int percent) { calls.push_back(percent); });
  EXPECT_TRUE(file.loaded);
  return calls;
}

TEST(IniLoad, ProgressCalls) {
  EXPECT_THAT(ProgressOf(""), ElementsAre(100));

  // Under 100 bytes every line reports.
  const std::string small = "[album]\r\nartist=somebody\r\ntitle=0123456789abcdef\r\n";
  ASSERT_EQ(small.size(), 50u);
  EXPECT_THAT(ProgressOf(small), ElementsAre(1, 2, 3, 100));

  // 100 CRLF lines of 10 bytes: one call per hundredth, then the final 100.
  std::vector<int> exact = ProgressOf([] {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "k" + std::to_string(1000000 + i) + "\r\n";
    return text;
  }());
  ASSERT_EQ(exact.size(), 101u);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(exact[static_cast<std::size_t>(i)], i + 1);
  EXPECT_EQ(exact.back(), 100);
}

TEST(IniLoad, ProgressRisesStepwiseAndNeverPassesHundred) {
  std::string varied = "[s]\r\n";
  for (int i = 0; varied.size() < 20000; ++i) varied += "k" + std::to_string(i) + "=" + std::string(i % 97, 'x') + "\r\n";
  // Blank LF-only lines are counted as two bytes each: twice the file's length.
  const std::string blankLines(300, '\n');
  for (const std::string& bytes : {varied, blankLines}) {
    const std::vector<int> calls = ProgressOf(bytes);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front(), 1);
    EXPECT_EQ(calls.back(), 100);
    for (std::size_t i = 1; i + 1 < calls.size(); ++i) {
      EXPECT_EQ(calls[i], calls[i - 1] + 1) << "at call " << i;
      EXPECT_LE(calls[i], 100);
    }
  }
}

TEST(IniLoad, FailedOpenOrReadKeepsSectionsAndLeavesLoadedMode) {
  for (const bool directory : {false, true}) {
    LoadedFile file("[kept]\nk=1\n");
    ASSERT_TRUE(file.loaded);
    // A missing file cannot be opened; a directory opens but cannot be read.
    file.document.SetFile(directory ? file.dir.Path() : file.dir.File("missing.ini"));
    EXPECT_EQ(file.document.GetString("kept", "k", "-"), "1");  // still loaded: answered from memory
    EXPECT_FALSE(file.document.Load());
    EXPECT_FALSE(file.document.IsLoaded());
    EXPECT_THAT(SectionNames(file.document), ElementsAre("kept"));
    EXPECT_EQ(AllSections(file.document).at(0).GetString("k", "-"), "1");
  }
}

// A pipe by the file's name (nobody writing to it) must not hang the load.
TEST(IniLoad, APipeInPlaceOfTheFileFailsAtOnce) {
  LoadedFile file("[kept]\nk=1\n");
  const std::string pipe = file.dir.File("pipe.ini");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  file.document.SetFile(pipe);
  EXPECT_FALSE(file.document.Load());
  EXPECT_THAT(SectionNames(file.document), ElementsAre("kept"));
}

// A file too large to hold is refused before anything is read, and says so.
TEST(IniLoad, FileOverTheSizeLimitIsRefused) {
  LoadedFile file("[kept]\nk=1\n");
  ASSERT_EQ(truncate(file.path.c_str(), static_cast<off_t>(profile::kMaxDataFileBytes) + 1), 0);
  EXPECT_FALSE(file.document.Load());
  EXPECT_EQ(file.document.LastLoadProblem(), IniDocument::LoadProblem::TooLarge);
  EXPECT_FALSE(file.document.IsLoaded());
  EXPECT_THAT(SectionNames(file.document), ElementsAre("kept"));
  ASSERT_EQ(truncate(file.path.c_str(), 0), 0);
  EXPECT_TRUE(file.document.Load());
  EXPECT_EQ(file.document.LastLoadProblem(), IniDocument::LoadProblem::None);
}

// What a crashed write left beside the file goes at the next load.
TEST(IniLoad, LoadRemovesTemporaryFilesOfDeadWriters) {
  LoadedFile file("[s]\nk=1\n");
  const pid_t child = fork();
  if (child == 0) _exit(0);
  ASSERT_GT(child, 0);
  ASSERT_EQ(waitpid(child, nullptr, 0), child);
  const std::string stale = platform::TempNamePrefix(file.path) + std::to_string(child) + "-Ab12Cd";
  WriteBytes(stale, "[s]\nk=");
  EXPECT_TRUE(file.document.Load());
  EXPECT_FALSE(FileExists(stale));
}

TEST(IniLoad, UnreadableFileFails) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
  LoadedFile file("[s]\nk=1\n");
  ASSERT_EQ(chmod(file.path.c_str(), 0), 0);
  EXPECT_FALSE(file.document.Load());
  EXPECT_FALSE(file.document.IsLoaded());
}

TEST(IniLoad, ThrowingHookLeavesOldContent) {
  LoadedFile file("[old]\nk=1\n");
  WriteBytes(file.path, "[new]\n[NEW]\n");
  auto throwing = [](const std::string&, const IniSection&) { throw std::runtime_error("stop"); };
  EXPECT_THROW(file.document.Load({}, throwing), std::runtime_error);
  EXPECT_TRUE(file.document.IsLoaded());
  EXPECT_THAT(SectionNames(file.document), ElementsAre("old"));
}

TEST(IniLoad, EmptyFileAndReloadReplaceEverything) {
  LoadedFile file("[a]\nk=1\n[b]\n");
  WriteBytes(file.path, "");
  EXPECT_TRUE(file.document.Load());
  EXPECT_EQ(file.document.SectionCount(), 0u);
  EXPECT_FALSE(file.document.FirstSection());
  // A key before the first header of the new file does not land in a
  // section left over from earlier.
  WriteBytes(file.path, "k=stray\n[c]\n");
  EXPECT_TRUE(file.document.Load());
  EXPECT_THAT(SectionNames(file.document), ElementsAre("c"));
  EXPECT_EQ(file.document.FindSection("c")->KeyCount(), 0u);
}

}  // namespace
}  // namespace lumo::test
