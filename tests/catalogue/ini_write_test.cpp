#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ini_test_util.h"

namespace lumo::test {
namespace {

using ::testing::ElementsAre;

std::string ReloadedValue(const std::string& path, const std::string& section, const std::string& key) {
  IniDocument fresh(path);
  EXPECT_TRUE(fresh.Load());
  return fresh.GetString(section, key, "<missing>");
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

// Random writes and deletions in any letter case, values growing and
// shrinking: memory matches a plain model, and the file read back anew
// matches memory section by section, key by key, in the same order.
TEST(IniWrite, RandomEditsReadBackAsMemoryHoldsThem) {
  std::mt19937 random(12);
  LoadedFile file("[S0]\r\nartist=A\r\n0=one\r\n[s1]\r\ntitle=T\r\n");
  std::map<std::string, std::map<std::string, std::string>> model{{"s0", {{"artist", "A"}, {"0", "one"}}},
                                                                  {"s1", {{"title", "T"}}}};
  const char* sections[] = {"S0", "s1", "Disc2", "DISC3"};
  const char* keys[] = {"artist", "TITLE", "0", "1", "numtracks", "Other"};
  for (int step = 0; step < 150; ++step) {
    std::string section = sections[random() % 4];
    std::string folded = section;
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::tolower(c); });
    if (random() % 10 == 0) {
      ASSERT_TRUE(file.document.DeleteSection(section)) << step;
      model.erase(folded);
      continue;
    }
    std::string key = keys[random() % 6];
    const std::string value(random() % 40, static_cast<char>('a' + step % 26));
    ASSERT_TRUE(file.document.WriteString(section, key, value)) << step;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::tolower(c); });
    model[folded][key] = value;
  }
  for (const auto& [section, entries] : model) {
    for (const auto& [key, value] : entries) EXPECT_EQ(file.document.GetString(section, key, "<missing>"), value);
  }
  EXPECT_EQ(file.document.SectionCount(), model.size());
  IniDocument fresh(file.path);
  ASSERT_TRUE(fresh.Load());
  EXPECT_EQ(Contents(fresh), Contents(file.document));
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
  EXPECT_EQ(document.GetFile(), "catalogue_ini_tests.ini");
  document.SetFile("other.ini");
  document.SetFile("");
  EXPECT_EQ(document.GetFile(), "catalogue_ini_tests.ini");

  ASSERT_TRUE(document.WriteString("66", "CX", "640"));
  const std::string onDisk = std::string(std::getenv("XDG_CONFIG_HOME")) + "/lumo/catalogue_ini_tests.ini";
  EXPECT_TRUE(FileExists(onDisk));
  // Load finds the same file the writes went to.
  ASSERT_TRUE(document.Load());
  EXPECT_EQ(document.GetInt("66", "cx", 0), 640);
}

}  // namespace
}  // namespace lumo::test
