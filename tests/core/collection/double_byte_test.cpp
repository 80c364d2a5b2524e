// A Shift-JIS collection whose names are full of second bytes that look like
// ASCII ('\', '[', ']', letters): loaded, sorted, found and replaced as text,
// never byte by byte, and written back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/catalogue/collection_index.h"
#include "core/catalogue/name_matcher.h"
#include "core/collection/catalogue.h"
#include "core/collection/name_replace.h"
#include "core/platform/code_page.h"
#include "core/report/report_feed.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace lumo {
namespace {

using test::ReadBytes;

struct ShiftJisCollection {
  ShiftJisCollection() { UseCollectionCodePage(932); }
  ~ShiftJisCollection() { UseCollectionCodePage(1252); }
  test::TempDir folder;
  std::string path = folder.File("cdplayer.ini");
  std::string original = ReadBytes(LUMO_APP_GOLDEN "/japanese.ini");
};

std::string Sjis(const char* utf8) { return CodePage(932).FromUtf8(utf8).value(); }

TEST(DoubleByteNames, SortInCodePointOrderWithLetterCaseFolded) {
  ShiftJisCollection collection;
  IniDocument document;
  document.SetFile(LUMO_APP_GOLDEN "/japanese.ini");
  ASSERT_TRUE(document.Load());
  std::string artists;
  WriteCollectionListing(CollectionIndex(document).AsWalk(), [&](std::string_view piece) {
    for (std::size_t line = 0; line < piece.size(); line = piece.find('\n', line) + 1) {
      artists += CollectionCodePage().ToUtf8(piece.substr(line, piece.find('\t', line) - line)) + " ";
      if (piece.find('\n', line) == std::string_view::npos) break;
    }
  });
  // By bytes, ＡＢＣ and ａｂｃ (82 ..) would come before the katakana (83 ..).
  EXPECT_EQ(artists, "アイドル アイドル ソフトバレエ ソフトバレエ ソフトバレエ 表現 ＡＢＣ ａｂｃ ");
}

TEST(DoubleByteNames, FindMatchesWholeCharactersOnly) {
  ShiftJisCollection collection;
  struct Case {
    const char* piece;
    const char* name;
    bool matchCase;
    bool found;
  };
  const Case cases[] = {
      {"\\", "ソフト", false, false},  // ソ is 83 5C
      {"t", "ソフト", false, false},   // ト is 83 67, フ 83 74
      {"[", "スーパー", true, false},  // ー is 81 5B
      {"ソ", "ソフト", true, true},
      {"ｂ", "ＡＢＣ", false, true},
      {"ｂ", "ＡＢＣ", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NameMatcher(Sjis(c.piece), c.matchCase).Matches(Sjis(c.name)), c.found) << c.piece << " in " << c.name;
  }
}

TEST(DoubleByteNames, ReplaceChangesWholeCharactersSkipsUnreadableNamesAndUndoes) {
  ShiftJisCollection collection;
  test::WriteBytes(collection.path, collection.original);
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(collection.path));
  // The one real backslash, not the second bytes of ソ, 表, 能 and 予.
  const ReplacePlan slash = PlanReplace(catalogue.Document(), {"\\", "/"});
  ASSERT_EQ(slash.edits.size(), 1u);
  ASSERT_TRUE(catalogue.ReplaceNames(slash.edits));
  std::string expected = collection.original;
  expected.replace(expected.find(Sjis("0=ソ\\能")), Sjis("0=ソ\\能").size(), Sjis("0=ソ/能"));
  EXPECT_EQ(ReadBytes(collection.path), expected);

  const ReplacePlan so = PlanReplace(catalogue.Document(), {Sjis("ソ"), Sjis("ゾ")});
  EXPECT_EQ(so.edits.size(), 2u);  // the artist ソフトバレエ and the track ソ/能
  EXPECT_EQ(so.skipped, 1u);       // a track whose first two bytes are no character
  ASSERT_TRUE(catalogue.ReplaceNames(so.edits));
  EXPECT_NE(ReadBytes(collection.path).find("2=\x85\x40\x83\x5C\r\n"), std::string::npos);
  ASSERT_TRUE(catalogue.Undo());
  ASSERT_TRUE(catalogue.Undo());
  EXPECT_EQ(ReadBytes(collection.path), collection.original);
}

}  // namespace
}  // namespace lumo
