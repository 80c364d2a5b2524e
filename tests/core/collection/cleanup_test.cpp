#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "core/collection/catalogue.h"
#include "core/collection/duplicate_albums.h"
#include "core/collection/name_replace.h"
#include "core/collection/similar_artists.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::ReadBytes;
using lumo::test::WriteBytes;

// A comment, an LF-only line, a key twice, a section without an artist and
// one hidden as "<UNKNOWN>", a missing title and track, and bytes after
// Ctrl-Z: none of it may move unless the command means it.
const std::string kFile =
    "; discs\r\n"
    "[A1]\r\nartist=The Beatles\r\ntitle=Help\r\nnumtracks=3\r\n0=Help me\r\n2=Yesterday\n"
    "[B2]\r\nartist=Beatles\r\ntitle=Help\r\nnumtracks=1\r\n0=help\r\n0=Help!\r\n"
    "[C3]\r\nartist=beatles, the\r\nnumtracks=1\r\n0=Ticket\r\n"
    "[D4]\r\nartist=The Beatles\r\ntitle=Help\r\n"
    "[E5]\r\ntitle=Help\r\n0=Help\r\n"
    "[F6]\r\nartist=<UNKNOWN>\r\ntitle=Help\r\n"
    "\x1a[A1]\r\nartist=help\r\n";

struct Loaded {
  lumo::test::TempDir folder;
  std::string path = folder.File("cdplayer.ini");
  Catalogue catalogue;
  Loaded() {
    WriteBytes(path, kFile);
    EXPECT_TRUE(catalogue.Load(path));
  }
};

ReplacePlan Plan(const Catalogue& catalogue, std::string find, std::string with, bool matchCase = false,
                 bool artists = true, bool albums = true, bool tracks = true) {
  return PlanReplace(catalogue.Document(), {std::move(find), std::move(with), matchCase, artists, albums, tracks});
}

struct Change {
  const char* what;
  std::function<bool(Catalogue&)> command;
  std::string expected;  // the whole file afterwards
};

std::string Replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& lines) {
  for (const auto& [before, after] : lines) text.replace(text.find(before), before.size(), after);
  return text;
}

TEST(Cleanup, EachCommandChangesOnlyItsBytesAndUndoRestoresThemAll) {
  const std::vector<Change> changes{
      {"delete a copy", [](Catalogue& c) { return c.DeleteDuplicate("B2"); },
       Replaced(kFile, {{"[B2]\r\nartist=Beatles\r\ntitle=Help\r\nnumtracks=1\r\n0=help\r\n0=Help!\r\n", ""}})},
      {"merge", [](Catalogue& c) { return c.MergeArtists({"Beatles", "beatles, the", "The Beatles"}, "The Beatles"); },
       Replaced(kFile, {{"artist=Beatles\r", "artist=The Beatles\r"}, {"artist=beatles, the", "artist=The Beatles"}})},
      {"replace, case folded, missing names skipped",
       [](Catalogue& c) { return c.ReplaceNames(Plan(c, "HELP", "Aid").edits); },
       Replaced(kFile, {{"title=Help\r\nnumtracks=3\r\n0=Help me", "title=Aid\r\nnumtracks=3\r\n0=Aid me"},
                        {"title=Help\r\nnumtracks=1\r\n0=help\r\n0=Help!", "title=Aid\r\nnumtracks=1\r\n0=Aid!\r\n0=Aid!"},
                        {"[D4]\r\nartist=The Beatles\r\ntitle=Help", "[D4]\r\nartist=The Beatles\r\ntitle=Aid"}})},
      {"replace, case matched, artists only, trailing blank dropped",
       [](Catalogue& c) { return c.ReplaceNames(Plan(c, "Beatles", "Fab ", true, true, false, false).edits); },
       Replaced(kFile, {{"artist=The Beatles\r", "artist=The Fab\r"}, {"artist=Beatles\r", "artist=Fab\r"},
                        {"artist=The Beatles\r", "artist=The Fab\r"}})},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    Loaded loaded;
    ASSERT_TRUE(change.command(loaded.catalogue));
    EXPECT_EQ(ReadBytes(loaded.path), change.expected);
    ASSERT_TRUE(loaded.catalogue.Undo());
    EXPECT_EQ(ReadBytes(loaded.path), kFile);
    ASSERT_TRUE(loaded.catalogue.Redo());
    EXPECT_EQ(ReadBytes(loaded.path), change.expected);
  }
}

TEST(Cleanup, ReplaceRefusesWhatTheEditDialogRefusesBeforeWriting) {
  struct Case {
    ReplacePlan plan;
    ReplaceRefusal refusal;
    std::string name;
  };
  Loaded loaded;
  const Catalogue& c = loaded.catalogue;
  const std::vector<Case> cases{
      {Plan(c, "Yes", "Y\r\nes"), ReplaceRefusal::LineBreak, "Yesterday"},
      {Plan(c, "beatles, the", "<UNKNOWN>"), ReplaceRefusal::HiddenArtist, "beatles, the"},
      {Plan(c, "Help", " ", true, false, true, false), ReplaceRefusal::EmptyTitle, "Help"},
      {Plan(c, "y", std::string(1100, 'y')), ReplaceRefusal::TooLong, "Yesterday"},
  };
  for (const Case& item : cases) {
    EXPECT_EQ(item.plan.refusal, item.refusal) << item.name;
    EXPECT_EQ(item.plan.refusedName, item.name);
    EXPECT_TRUE(item.plan.edits.empty());
  }
  EXPECT_EQ(ReadBytes(loaded.path), kFile);
}

TEST(Cleanup, AnotherProgramsChangeRefusesTheReplaceAndIsKept) {
  Loaded loaded;
  const ReplacePlan plan = Plan(loaded.catalogue, "Help", "Aid");
  const std::string theirs = kFile + "[G7]\r\nartist=Them\r\n";
  WriteBytes(loaded.path, theirs);
  EXPECT_FALSE(loaded.catalogue.ReplaceNames(plan.edits));
  EXPECT_EQ(loaded.catalogue.LastWriteError().id, MessageId::WriteChangedMeanwhile);
  EXPECT_EQ(ReadBytes(loaded.path), theirs);
  EXPECT_EQ(loaded.catalogue.History().UndoCount(), 0u);
}

TEST(Cleanup, DuplicatesAndSimilarArtistsFollowTheLoadsRules) {
  Loaded loaded;
  const std::vector<DuplicateGroup> groups = FindDuplicateAlbums(loaded.catalogue.Document());
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].artist + "/" + groups[0].title, "The Beatles/Help");
  std::set<std::string> keys;
  for (const DuplicateEntry& entry : groups[0].entries) keys.insert(entry.cdKey + ":" + std::to_string(entry.tracks));
  EXPECT_EQ(keys, (std::set<std::string>{"A1:3", "D4:0"}));
  const IniSection* a1 = loaded.catalogue.Document().FindSection("A1");
  ASSERT_NE(a1, nullptr);
  EXPECT_EQ(AlbumTrackNames(*a1), (std::vector<std::string>{"Help me", "?", "Yesterday"}));
  EXPECT_EQ(FindSimilarArtists(loaded.catalogue.Document()),
            (std::vector<std::vector<std::string>>{{"Beatles", "beatles, the", "The Beatles"}}));
  const std::vector<std::pair<std::string, std::string>> keysOf{
      {"The  Beatles", "beatles"}, {"AC/DC", "acdc"}, {"Guns N' Roses (live)", "gunsnroseslive"},
      {"The", "the"},  {"Them, The", "them"}, {". - ?", ""}, {"\xC9LAN", "\xE9lan"}};
  for (const auto& [name, key] : keysOf) EXPECT_EQ(SimilarArtistKey(name), key) << name;
}

}  // namespace
