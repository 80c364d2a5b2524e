#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ini_test_util.h"
#include "core/platform/text_fold.h"
#include "support/random_ini.h"

namespace lumo::test {
namespace {

using ::testing::ElementsAre;

std::string ReloadedValue(const std::string& path, const std::string& section, const std::string& key) {
  IniDocument fresh(path);
  EXPECT_TRUE(fresh.Load());
  return fresh.GetString(section, key, "<missing>");
}

// The text in capitals where Windows-1252 has them, so that a lookup has
// to fold it.
std::string Capitals(std::string_view text) {
  std::string capitals(text);
  for (char& c : capitals) {
    for (int b = 0; b < 256; ++b) {
      if (FoldChar(static_cast<char>(b)) == c && static_cast<char>(b) != c) {
        c = static_cast<char>(b);
        break;
      }
    }
  }
  return capitals;
}

TEST(IniWrite, LoadedWritesChangeMemoryThenTheFile) {
  LoadedFile file("[Disc1]\r\nartist=A\r\n");
  IniDocument& document = file.document;

  EXPECT_TRUE(document.WriteString("NewDisc", "Title", "T"));
  ASSERT_NE(document.FindSection("NEWDISC"), nullptr);
  EXPECT_EQ(document.FindSection("NEWDISC")->GetName(), "NewDisc");
  EXPECT_EQ(document.GetString("newdisc", "TITLE", "-"), "T");

  EXPECT_TRUE(document.WriteString("DISC1", "ARTIST", "B"));
  EXPECT_EQ(document.FindSection("disc1")->GetName(), "Disc1");  // the first spelling stays
  EXPECT_EQ(document.GetString("Disc1", "artist", "-"), "B");

  EXPECT_TRUE(document.WriteInt("disc1", "numtracks", -5));
  EXPECT_EQ(document.GetString("disc1", "numtracks", "-"), "-5");
  EXPECT_EQ(document.GetInt("disc1", "numtracks", 0), -5);

  EXPECT_EQ(ReloadedValue(file.path, "newdisc", "title"), "T");
  EXPECT_EQ(ReloadedValue(file.path, "disc1", "artist"), "B");
  EXPECT_EQ(ReloadedValue(file.path, "disc1", "numtracks"), "-5");
}

TEST(IniWrite, WriteIntInOtherRadices) {
  LoadedFile file("[s]\n");
  EXPECT_TRUE(file.document.WriteInt("s", "hex", 255, 16));
  EXPECT_EQ(ReloadedValue(file.path, "s", "hex"), "ff");
  const std::string before = ReadBytes(file.path);
  EXPECT_FALSE(file.document.WriteInt("s", "bad", 1, 1));
  EXPECT_EQ(file.document.GetString("s", "bad", "-"), "-");
  EXPECT_EQ(ReadBytes(file.path), before);
}

TEST(IniWrite, DeleteSectionKeepsTheOthersInOrder) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += "[CD" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
  LoadedFile file(text);
  std::vector<std::string> expected = SectionNames(file.document);

  EXPECT_TRUE(file.document.DeleteSection("cd7"));
  expected.erase(std::find(expected.begin(), expected.end(), "CD7"));
  EXPECT_EQ(SectionNames(file.document), expected);
  EXPECT_EQ(file.document.GetString("CD7", "k", "-"), "-");

  IniDocument fresh(file.path);
  ASSERT_TRUE(fresh.Load());
  EXPECT_EQ(SectionNames(fresh), expected);
  EXPECT_EQ(fresh.GetString("CD8", "k", "-"), "8");
}

TEST(IniWrite, RefusedWriteReturnsFalseButMemoryKeepsTheChange) {
  LoadedFile file("[s]\r\nk=old\r\n");
  const std::string before = ReadBytes(file.path);
  ASSERT_EQ(chmod(file.path.c_str(), 0444), 0);
  EXPECT_FALSE(file.document.WriteString("s", "k", "new"));
  EXPECT_EQ(file.document.GetString("s", "k", "-"), "new");
  EXPECT_FALSE(file.document.DeleteSection("s"));
  EXPECT_EQ(file.document.FindSection("s"), nullptr);
  EXPECT_EQ(ReadBytes(file.path), before);
}

TEST(IniWrite, PassThroughReadsAndWritesTheFileEachTime) {
  TempDir dir;
  const std::string path = dir.File("settings.ini");
  IniDocument document(path);
  EXPECT_FALSE(document.IsLoaded());
  EXPECT_EQ(document.GetString("options", "path", "dflt"), "dflt");
  EXPECT_TRUE(document.WriteString("options", "Path", "c:\\x;d:\\y"));
  EXPECT_TRUE(document.WriteInt("options", "cdkeys", 1));
  EXPECT_EQ(document.GetString("OPTIONS", "path", "dflt"), "c:\\x;d:\\y");
  EXPECT_EQ(document.GetInt("options", "CDKEYS", 0), 1);
  EXPECT_EQ(document.SectionCount(), 0u);  // nothing held in memory

  // Changed behind the document's back: seen at once.
  WriteBytes(path, "[options]\ncdkeys=7\n");
  EXPECT_EQ(document.GetInt("options", "cdkeys", 0), 7);
  EXPECT_TRUE(document.DeleteSection("Options"));
  EXPECT_EQ(document.GetInt("options", "cdkeys", -1), -1);
}

TEST(IniWrite, FailedLoadSwitchesToPassThrough) {
  LoadedFile file("[s]\nk=memory\n");
  file.document.SetFile(file.dir.File("other.ini"));
  ASSERT_FALSE(file.document.Load());
  EXPECT_EQ(file.document.GetString("s", "k", "-"), "-");  // the other (missing) file answers
  EXPECT_TRUE(file.document.WriteString("s", "k", "file"));
  EXPECT_EQ(AllSections(file.document).at(0).GetString("k", "-"), "memory");  // memory not written
  EXPECT_EQ(ReloadedValue(file.dir.File("other.ini"), "s", "k"), "file");
}

// Values the line format can carry come back byte for byte after a reload.
TEST(IniWrite, AwkwardValuesRoundTrip) {
  std::string allBytes;
  for (int b = 1; b < 256; ++b) {
    if (b != '\n' && b != '\r' && b != 26) allBytes.push_back(static_cast<char>(b));
  }
  const std::vector<std::string> values = {"", " leading blanks", "a=b=c", ";not a comment", "[not a header]",
                                           "#", "\xC0\xC9 accents stay upper", allBytes};
  LoadedFile file("");
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string key = "Key" + std::to_string(i);
    ASSERT_TRUE(file.document.WriteString("Awkward", key, values[i])) << i;
    EXPECT_EQ(file.document.GetString("awkward", key, "<missing>"), values[i]) << i;
    EXPECT_EQ(ReloadedValue(file.path, "AWKWARD", "KEY" + std::to_string(i)), values[i]) << i;
  }
}

// Sections as pairs of name and entries, for comparing two documents whole.
std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> Contents(
    const IniDocument& document) {
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> contents;
  for (const IniSection& section : AllSections(document)) {
    contents.emplace_back(section.GetName(), std::vector<std::pair<std::string, std::string>>{});
    for (std::size_t i = 0; i < section.KeyCount(); ++i) {
      const auto [key, value] = section.EntryAt(i);
      contents.back().second.emplace_back(key, value);
    }
  }
  return contents;
}

// Every key of every section in memory, read three ways that must agree:
// ForEachAssignment applied in order, KeyCount and EntryAt, and a lookup
// per key in capitals, through the section and through the document.
IniModel Answers(const IniDocument& document) {
  IniModel answers;
  document.ForEachSection([&](const IniSection& section) {
    std::map<std::string, std::string> assigned;
    section.ForEachAssignment([&](std::string_view key, std::string_view value) { assigned[std::string(key)] = value; });
    std::map<std::string, std::string> listed;
    for (std::size_t i = 0; i < section.KeyCount(); ++i) listed.emplace(section.EntryAt(i));
    EXPECT_EQ(listed, assigned) << section.GetName();
    for (const auto& [key, value] : assigned) {
      EXPECT_EQ(section.Find(Capitals(key)), value) << section.GetName() << "/" << key;
      EXPECT_EQ(document.GetString(Capitals(section.GetName()), Capitals(key), "<missing>"), value);
    }
    EXPECT_EQ(section.Find("no such key"), std::nullopt);
    answers[FoldCase(section.GetName())] = assigned;
  });
  EXPECT_EQ(answers.size(), document.SectionCount());
  return answers;
}

// Writes in any letter case into the two sections of the fixed start and
// two new ones, values growing and shrinking.
profile::Edit GrowingEdit(RandomIni& random, int step) {
  const char* sections[] = {"S0", "s1", "Disc2", "DISC3"};
  const char* keys[] = {"artist", "TITLE", "0", "1", "numtracks", "Other"};
  const std::string section = sections[random.Pick(0, 3)];
  if (random.Pick(0, 9) == 0) return profile::Edit::Remove(section);
  const std::string value(static_cast<std::size_t>(random.Pick(0, 39)), static_cast<char>('a' + step % 26));
  return profile::Edit::Set(section, keys[random.Pick(0, 5)], value);
}

// One to three edits through one of the document's ways of writing.
void WriteBatch(IniDocument& document, std::vector<profile::Edit> batch, IniModel& model) {
  const profile::Edit& edit = batch.front();
  if (batch.size() > 1) {
    ASSERT_TRUE(document.ApplyEdits(batch));
  } else if (edit.kind == profile::Edit::Kind::RemoveSection) {
    ASSERT_TRUE(document.DeleteSection(edit.section));
  } else {
    ASSERT_TRUE(document.WriteString(edit.section, edit.key, edit.value));
  }
  for (const profile::Edit& done : batch) ApplyToModel(done, model);
}

// Random files (repeated headers and keys, any letter case, CRLF and LF,
// blank, comment and junk lines, sections of many key lines) and random
// writes and deletions through the document: memory answers as a reader
// written from the line rules does, before and after the sections change,
// and the file read back anew holds what memory holds, key by key in the
// same order.
TEST(IniWrite, RandomEditsReadBackAsMemoryHoldsThem) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    RandomIni random(seed);
    const bool fixed = seed == 1;
    const std::string bytes =
        fixed ? "[S0]\r\nartist=A\r\n0=one\r\n[s1]\r\ntitle=T\r\n" : random.File(seed % 4 == 0 ? 1500 : 40);
    LoadedFile file(bytes);
    IniModel model = ReadModel(bytes);
    ASSERT_EQ(Answers(file.document), model);
    for (int step = 0; step < (fixed ? 150 : 12); ++step) {
      std::vector<profile::Edit> batch;
      for (int i = random.Pick(0, 3) == 0 ? random.Pick(2, 3) : 1; i > 0; --i) {
        batch.push_back(fixed || random.Pick(0, 2) == 0 ? GrowingEdit(random, step) : random.AnyEdit());
      }
      WriteBatch(file.document, batch, model);
    }
    EXPECT_EQ(Answers(file.document), model);
    const std::string written = ReadBytes(file.path);
    EXPECT_EQ(file.document.FileBytes(), written);
    EXPECT_EQ(ReadModel(written), model);
    IniDocument fresh(file.path);
    ASSERT_TRUE(fresh.Load());
    EXPECT_EQ(Contents(fresh), Contents(file.document));
  }
}

// Text mode stops at Ctrl-Z, so a value holding one must never be written
// in a way that hides the rest of the file from the next load.
TEST(IniWrite, CtrlZInAValueNeverHidesTheRestOfTheFile) {
  LoadedFile file("[first]\r\nk=1\r\n[later]\r\nk=2\r\n");
  file.document.WriteString("first", "k", std::string("a\x1a" "b"));
  EXPECT_EQ(ReloadedValue(file.path, "later", "k"), "2");
}

TEST(IniWrite, DefaultNameAndBareNamesLiveInTheProfileDirectory) {
  IniDocument document;
  EXPECT_EQ(document.GetFile(), "ini_tests.ini");
  document.SetFile("other.ini");
  document.SetFile("");
  EXPECT_EQ(document.GetFile(), "ini_tests.ini");

  ASSERT_TRUE(document.WriteString("66", "CX", "640"));
  const std::string onDisk = std::string(std::getenv("XDG_CONFIG_HOME")) + "/lumo/ini_tests.ini";
  EXPECT_TRUE(FileExists(onDisk));
  // Load finds the same file the writes went to.
  ASSERT_TRUE(document.Load());
  EXPECT_EQ(document.GetInt("66", "cx", 0), 640);
}

}  // namespace
}  // namespace lumo::test
