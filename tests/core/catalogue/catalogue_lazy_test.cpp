#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/catalogue/collection_index.h"
#include "core/catalogue/collection_tree.h"
#include "core/catalogue/track_maker.h"
#include "core/ini/ini_test_util.h"
#include "core/platform/profile.h"
#include "core/report/report_feed.h"

using namespace lumo;

namespace {

// The view of `value` where it stands after "key=" in `loaded`.
std::string_view ValueIn(const std::string& loaded, const std::string& key, const std::string& value) {
  const std::size_t at = loaded.find(key + "=" + value);
  EXPECT_NE(at, std::string::npos) << key;
  return std::string_view(loaded).substr(at + key.size() + 1, value.size());
}

// Tracks are read again only from lines that belong to the section alone,
// and then exactly as the section reads them: last line wins, missing "?".
TEST(TrackMaker, ReadsTracksAgainOnlyFromTheSectionsOwnLines) {
  const auto loaded = std::make_shared<const std::string>(
      "[a]\r\n0=One [live]\r\nnumtracks=4\r\n2=Two\r\n0=Uno\r\n[b]\r\n1=Bee\nx\x1A" "3=cut\r\n");
  const lumo::TrackMaker maker(loaded);
  const std::string& text = *loaded;
  const std::string copy = "Uno";
  struct Case {
    const char* what;
    std::vector<lumo::NamedTrack> named;
    bool readable;
  };
  const std::vector<Case> cases = {
      {"own lines, a '[' in a name", {{0, ValueIn(text, "0", "Uno")}, {2, ValueIn(text, "2", "Two")}}, true},
      {"no names", {}, true},
      {"a header in between", {{0, ValueIn(text, "0", "Uno")}, {1, ValueIn(text, "1", "Bee")}}, false},
      {"a name not in the file", {{0, copy}}, false},
  };
  for (const Case& c : cases) {
    const std::optional<uint64_t> token = maker.TokenFor(c.named);
    ASSERT_EQ(token.has_value(), c.readable) << c.what;
    if (!token) continue;
    TreeItem album(RecordView{ItemKind::Album, "A", "a", 0}, nullptr);
    const auto tracks = maker.MakeChildren(album, 4, *token);
    ASSERT_EQ(tracks.size(), 4u) << c.what;
    const std::vector<std::string> expected =
        c.named.empty() ? std::vector<std::string>{"?", "?", "?", "?"}
                        : std::vector<std::string>{"Uno", "?", "Two", "?"};
    for (std::size_t i = 0; i < tracks.size(); ++i) {
      EXPECT_EQ(tracks[i]->Text(), expected[i]) << c.what << " " << i;
      EXPECT_EQ(tracks[i]->CdKey(), "a");
      EXPECT_EQ(tracks[i]->TrackIndex(), static_cast<int16_t>(i));
    }
  }
}

// A random file of the oddities old collections hold: headers and keys that
// come twice, in other letter cases, '[' and '=' in names, bare LF, blank,
// comment and junk lines, keys before the first header, a Ctrl-Z end.
std::string RandomCollection(std::mt19937& rng) {
  const std::vector<std::string> keys = {"artist", "Title", "numtracks", "0", "1", "2", "3", "7", "12", "03", "x"};
  const std::vector<std::string> values = {"A", "b", "[x]", "a=b", " sp ", "", "5", "<UNKNOWN>", "9999"};
  const std::vector<std::string> sections = {"k1", "K1", "k2", "k3", "k4"};
  auto pick = [&rng](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng)];
  };
  std::string file = "3=before any header\r\n";
  for (int line = std::uniform_int_distribution<int>(5, 60)(rng); line > 0; --line) {
    const int kind = std::uniform_int_distribution<int>(0, 19)(rng);
    if (kind < 3) {
      file += "[" + pick(sections) + "]";
    } else if (kind == 3) {
      file += pick({"; note", "junk", "", "  [spaced]  "});
    } else {
      file += pick(keys) + "=" + pick(values);
    }
    file += pick({"\r\n", "\n"});
  }
  if (std::uniform_int_distribution<int>(0, 4)(rng) == 0) file += "\x1A" "[k9]\r\nartist=after the end\r\n";
  return file;
}

// The listing of the albums without a tree (CollectionIndex), as loaded or
// changed, with its counts.
std::string IndexListing(const lumo::IniDocument& document, const lumo::CollectionTree& tree) {
  const lumo::CollectionIndex index(document);
  EXPECT_EQ(index.DuplicatesLeftOut(), tree.DuplicatesLeftOut());
  EXPECT_EQ(index.Counts().artists, tree.Counts().artists);
  EXPECT_EQ(index.Counts().albums, tree.Counts().albums);
  std::string listing;
  WriteCollectionListing(index.AsWalk(), [&listing](std::string_view piece) { listing.append(piece); });
  return listing;
}

// The tree of a freshly loaded file, whose tracks are read again from the
// file (to be listed, or made when shown), lists exactly as the tree of the
// same content once every section has been changed in memory, whose tracks
// are made at once, and as the albums listed without a tree.
TEST(TrackMaker, LazyTracksListAsTracksMadeAtOnce) {
  std::mt19937 rng(20261207);
  for (int round = 0; round < 300; ++round) {
    const std::string bytes = RandomCollection(rng);
    lumo::test::LoadedFile file(bytes);
    ASSERT_TRUE(file.loaded);
    lumo::CollectionTree fresh;
    fresh.Build(file.document);
    const std::string listed = CollectionListing(fresh.Root());  // tracks read, not made
    ASSERT_EQ(IndexListing(file.document, fresh), listed) << bytes;
    for (const TreeItem* artist = fresh.Root().Child(0); artist; artist = artist->NextSibling()) {
      for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) album->Child(0);
    }
    ASSERT_EQ(CollectionListing(fresh.Root()), listed) << bytes;  // tracks made

    std::vector<lumo::profile::Edit> touches;
    file.document.ForEachSection([&touches](const lumo::IniSection& section) {
      touches.push_back(lumo::profile::Edit::Set(section.GetName(), "touched", "1"));
    });
    ASSERT_TRUE(file.document.ApplyEdits(touches)) << bytes;
    lumo::CollectionTree touched;
    touched.Build(file.document);
    EXPECT_EQ(CollectionListing(touched.Root()), listed) << bytes;
    EXPECT_EQ(IndexListing(file.document, touched), listed) << bytes;
  }
}

// Albums with numtracks=99 and no track keys, one beside them with a name:
// their tracks are counted but no track item is made, by the build or by a
// listing, whether the file is as loaded or every section was changed since
// (whose names cannot be read from the file again).
TEST(TrackMaker, TracksWithoutNamesAreCountedNotMade) {
  std::string bytes = "[named]\r\nartist=N\r\ntitle=T\r\nnumtracks=99\r\n98=Last\r\n";
  for (int i = 0; i < 3000; ++i) {
    bytes += "[k" + std::to_string(i) + "]\r\nartist=A" + std::to_string(i % 7) + "\r\ntitle=T" + std::to_string(i) +
             "\r\nnumtracks=99\r\n";
  }
  lumo::test::LoadedFile file(bytes);
  ASSERT_TRUE(file.loaded);
  for (const bool changed : {false, true}) {
    if (changed) {
      ASSERT_TRUE(file.document.ApplyEdits({lumo::profile::Edit::Set("named", "touched", "1")}));
    }
    lumo::CollectionTree tree;
    tree.Build(file.document);
    const std::string listed = CollectionListing(tree.Root());
    EXPECT_NE(listed.find("N\tT\t98\t?\nN\tT\t99\tLast\n"), std::string::npos) << changed;
    EXPECT_EQ(tree.Root().SubtreeSize(), 1 + 8 + 3001 * 100) << changed;
    for (const TreeItem* artist = tree.Root().Child(0); artist; artist = artist->NextSibling()) {
      for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
        ASSERT_TRUE(album->HasPendingChildren()) << album->Text() << " " << changed;
      }
    }
  }
}

}  // namespace
