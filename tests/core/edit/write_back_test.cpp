#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/catalogue_item.h"
#include "core/ini/ini_document.h"
#include "core/edit/write_back.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::IniDocument;
using lumo::profile::Edit;
using lumo::test::ReadBytes;
using lumo::test::TempDir;
using lumo::test::WriteBytes;

// Odd lines on purpose: a comment, a blank line, an unknown key, an LF-only
// line and a trailing Ctrl-Z part, none of which a write may move.
const std::string kCollection =
    "; my discs\r\n"
    "[A1]\r\nartist=Old\r\ntitle=First\r\nnumtracks=10\r\n0=One\r\n9=Ten\r\nextra=keep\r\n"
    "\r\n"
    "[b2]\r\nartist=Old\r\nnumtracks=1\r\n0=Solo\n"
    "[c3]\r\nartist=Other\r\ntitle=Third\r\n"
    "\x1a[A1]\r\nartist=hidden\r\n";

CatalogueItem Album(std::string title, std::string cdKey) { return {ItemKind::Album, std::move(title), std::move(cdKey), 0}; }

struct Description {
  Edit::Kind kind;
  std::string section;
  std::string key;
  std::string value;
  bool operator==(const Description&) const = default;
};

std::vector<Description> Describe(const std::vector<Edit>& edits) {
  std::vector<Description> out;
  for (const Edit& edit : edits) out.push_back({edit.kind, edit.section, edit.key, edit.value});
  return out;
}

TEST(WriteBackEdits, EachCommandNamesItsKeysInFileOrder) {
  const CatalogueItem a = Album("First", "A1");
  const CatalogueItem b = Album("<UNKNOWN>", "b2");  // a section without "title"
  const auto set = Edit::Kind::SetKey;
  EXPECT_EQ(Describe(lumo::write_back::ArtistNameEdits("New", {&a, &b})),
            (std::vector<Description>{{set, "A1", "artist", "New"}, {set, "A1", "title", "First"},
                                      {set, "b2", "artist", "New"}, {set, "b2", "title", "<UNKNOWN>"}}));
  EXPECT_EQ(Describe(lumo::write_back::ItemNameEdits({ItemKind::Track, "Tenth", "A1", 9})),
            (std::vector<Description>{{set, "A1", "9", "Tenth"}}));
  EXPECT_EQ(Describe(lumo::write_back::ItemNameEdits(a)), (std::vector<Description>{{set, "A1", "title", "First"}}));
  const auto remove = Edit::Kind::RemoveSection;
  EXPECT_EQ(Describe(lumo::write_back::AlbumRemovalEdits({&b, &a})),
            (std::vector<Description>{{remove, "b2", "", ""}, {remove, "A1", "", ""}}));
  EXPECT_TRUE(lumo::write_back::ArtistNameEdits("x", {}).empty());
}

class LoadedCollection : public testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(path_, kCollection);
    ASSERT_TRUE(document_.Load());
  }
  bool Apply(const std::vector<Edit>& edits) { return document_.ApplyEdits(edits, &failure_); }
  // What the document holds for a key, and what a fresh load of the file holds.
  std::string Held(const std::string& section, const std::string& key) const {
    return document_.GetString(section, key, "<none>");
  }
  std::string Reloaded(const std::string& section, const std::string& key) const {
    IniDocument fresh(path_);
    return fresh.Load() ? fresh.GetString(section, key, "<none>") : "<no file>";
  }

  TempDir dir_;
  std::string path_ = dir_.File("cdplayer.ini");
  IniDocument document_{path_};
  lumo::Message failure_;
};

TEST_F(LoadedCollection, ArtistRenameChangesOnlyItsKeysInFileAndMemory) {
  const CatalogueItem a = Album("First", "A1");
  const CatalogueItem b = Album("<UNKNOWN>", "b2");
  ASSERT_TRUE(Apply(lumo::write_back::ArtistNameEdits("New", {&a, &b})));
  EXPECT_EQ(ReadBytes(path_),
            "; my discs\r\n"
            "[A1]\r\nartist=New\r\ntitle=First\r\nnumtracks=10\r\n0=One\r\n9=Ten\r\nextra=keep\r\n"
            "\r\n"
            "[b2]\r\nartist=New\r\nnumtracks=1\r\n0=Solo\ntitle=<UNKNOWN>\r\n"
            "[c3]\r\nartist=Other\r\ntitle=Third\r\n"
            "\x1a[A1]\r\nartist=hidden\r\n");
  for (const char* section : {"a1", "B2"}) {
    EXPECT_EQ(Held(section, "artist"), "New");
    EXPECT_EQ(Reloaded(section, "artist"), "New");
  }
  EXPECT_EQ(Held("b2", "title"), "<UNKNOWN>");
}

TEST_F(LoadedCollection, TrackAndAlbumRenamesAndRemovals) {
  ASSERT_TRUE(Apply(lumo::write_back::ItemNameEdits({ItemKind::Track, "Zehn", "a1", 9})));
  ASSERT_TRUE(Apply(lumo::write_back::ItemNameEdits(Album("(empty)", "C3"))));
  const CatalogueItem a = Album("First", "A1");
  ASSERT_TRUE(Apply(lumo::write_back::AlbumRemovalEdits({&a})));
  EXPECT_EQ(ReadBytes(path_),
            "; my discs\r\n"
            "[b2]\r\nartist=Old\r\nnumtracks=1\r\n0=Solo\n"
            "[c3]\r\nartist=Other\r\ntitle=(empty)\r\n"
            "\x1a[A1]\r\nartist=hidden\r\n");
  EXPECT_EQ(document_.FindSection("A1"), nullptr);
  EXPECT_EQ(Held("c3", "title"), "(empty)");
  EXPECT_EQ(Reloaded("A1", "artist"), "<none>");
}

// The three ways a file can refuse a change: nothing moves, not even memory,
// and the reason is given.
TEST_F(LoadedCollection, RefusedChangesLeaveFileAndMemoryAlone) {
  const CatalogueItem a = Album("First", "A1");
  const CatalogueItem b = Album("<UNKNOWN>", "b2");
  struct Case {
    const char* what;
    std::string setUp;
    lumo::MessageId reason;
  };
  const std::vector<Case> cases = {{"write-protected file", "file", lumo::MessageId::WriteProtected},
                                   {"folder without write permission", "folder", lumo::MessageId::WriteFolderProtected},
                                   {"file gone", "gone", lumo::MessageId::WriteFileGone}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(path_, kCollection);
    int made = 0;
    if (c.setUp == "file") made = ::chmod(path_.c_str(), 0444);
    if (c.setUp == "folder") made = ::chmod(dir_.Path().c_str(), 0555);
    if (c.setUp == "gone") made = ::unlink(path_.c_str());
    ASSERT_EQ(made, 0);
    failure_ = {};
    EXPECT_FALSE(Apply(lumo::write_back::ArtistNameEdits("New", {&a, &b})));
    EXPECT_EQ(failure_.id, c.reason);
    EXPECT_FALSE(Apply(lumo::write_back::AlbumRemovalEdits({&a, &b})));
    EXPECT_EQ(Held("A1", "artist"), "Old");
    EXPECT_EQ(Held("b2", "title"), "<none>");
    EXPECT_EQ(ReadBytes(path_), c.setUp == "gone" ? "" : kCollection);
    EXPECT_EQ(lumo::test::FileExists(path_), c.setUp != "gone");
    ::chmod(dir_.Path().c_str(), 0755);
    ::chmod(path_.c_str(), 0644);
  }
}

TEST_F(LoadedCollection, SingleKeyWritesNeverMakeAGoneFileAnew) {
  ASSERT_EQ(::unlink(path_.c_str()), 0);
  EXPECT_FALSE(document_.WriteString("A1", "title", "New"));
  EXPECT_FALSE(document_.DeleteSection("c3"));
  EXPECT_FALSE(lumo::test::FileExists(path_));
  // A document that was never loaded is a settings file: made on first write.
  IniDocument settings(dir_.File("settings.ini"));
  EXPECT_TRUE(settings.WriteString("options", "path", "x"));
  EXPECT_EQ(ReadBytes(dir_.File("settings.ini")), "[options]\r\npath=x\r\n");
}

TEST_F(LoadedCollection, UnstorableTextIsRefusedWithAReason) {
  EXPECT_FALSE(Apply(lumo::write_back::ItemNameEdits(Album("two\nlines", "A1"))));
  EXPECT_EQ(failure_.id, lumo::MessageId::WriteBadText);
  EXPECT_FALSE(Apply(lumo::write_back::ItemNameEdits(Album("blank ", "A1"))));
  EXPECT_EQ(Held("A1", "title"), "First");
  EXPECT_EQ(ReadBytes(path_), kCollection);
}

}  // namespace
