#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

#include <filesystem>

#include "core/collection/catalogue.h"
#include "core/collection/collection_finder.h"
#include "core/collection/search_path.h"
#include "core/ini/ini_document.h"
#include "core/platform/profile.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

std::vector<std::string> AllCandidates(std::string path) {
  std::vector<std::string> candidates;
  for (std::string c = NextSearchCandidate(path, "cdplayer.ini"); !c.empty();
       c = NextSearchCandidate(path, "cdplayer.ini")) {
    candidates.push_back(c);
    if (candidates.size() > 100) break;  // a loop that never ends is a fault too
  }
  EXPECT_TRUE(path.empty());
  return candidates;
}

TEST(SearchPath, StepsLeftToRightKeepingEntriesAsWritten) {
  EXPECT_EQ(AllCandidates("/a;/b/; spaced"),
            (std::vector<std::string>{"/a/cdplayer.ini", "/b//cdplayer.ini", " spaced/cdplayer.ini"}));
  EXPECT_TRUE(AllCandidates("").empty());
}

TEST(SearchPath, EmptyEntriesAreSkippedNotTheEndOfTheSearch) {
  EXPECT_EQ(AllCandidates("/a;;/c"), (std::vector<std::string>{"/a/cdplayer.ini", "/c/cdplayer.ini"}));
  EXPECT_EQ(AllCandidates(";/b;"), (std::vector<std::string>{"/b/cdplayer.ini"}));
  EXPECT_TRUE(AllCandidates(";;;").empty());
}

#ifndef _WIN32
TEST(SearchPath, DefaultPointsIntoTheWinePrefixUnderHome) {
  const char* home = std::getenv("HOME");
  std::string prefix = std::string(home ? home : "") + "/.wine/drive_c/";
  EXPECT_EQ(DefaultSearchPath(), prefix + "windows;" + prefix + "winnt");
}
#endif

// The window and the command line share this search: it goes on past a
// candidate that cannot be loaded, and when nothing loads it names the first
// that existed ("too large" or "cannot be read"), else "not found".
TEST(FindCollection, GoesOnPastBadCandidatesAndNamesTheFirstThatExisted) {
  lumo::test::TempDir dir;
  for (const char* folder : {"big", "unreadable/cdplayer.ini", "good"}) std::filesystem::create_directories(dir.File(folder));
  lumo::test::WriteBytes(dir.File("good/cdplayer.ini"), "[k]\r\nartist=A\r\ntitle=T\r\n");
  lumo::test::WriteBytes(dir.File("big/cdplayer.ini"), "");
  ASSERT_EQ(truncate(dir.File("big/cdplayer.ini").c_str(), static_cast<off_t>(lumo::profile::kMaxDataFileBytes) + 1), 0);
  const struct {
    std::vector<std::string> folders;
    lumo::SearchVerdict verdict;
    std::string folder;  // of the path in the outcome; empty: none
  } cases[] = {
      {{"none", "none"}, lumo::SearchVerdict::NotFound, ""},
      {{"none", "big", "good"}, lumo::SearchVerdict::Loaded, "good"},
      {{"big", "unreadable"}, lumo::SearchVerdict::TooLarge, "big"},
      {{"none", "unreadable", "big"}, lumo::SearchVerdict::CannotRead, "unreadable"},
  };
  for (const auto& c : cases) {
    std::string searchPath;
    for (const std::string& folder : c.folders) searchPath += dir.File(folder) + ";";
    lumo::IniDocument document;
    const lumo::SearchOutcome found = lumo::FindCollection(searchPath, [&document](const std::string& path) {
      document.SetFile(path);
      document.Load();
      return document.LastLoadProblem();
    });
    EXPECT_EQ(found.verdict, c.verdict) << searchPath;
    EXPECT_EQ(found.path, c.folder.empty() ? "" : dir.File(c.folder + "/cdplayer.ini")) << searchPath;
    EXPECT_EQ(found.passedOverAsTooLarge, c.folders[1] == "big" ? dir.File("big/cdplayer.ini") : "") << searchPath;
  }
}

// A copy from a FAT disk or a CD-ROM is often in capitals: in each folder
// the exact name comes first, then the names that differ from it only in
// ASCII letter case, in byte order. What loads is what changes are written
// to, and a file that fails to open leaves the loaded one in place.
TEST(FindCollection, TriesTheNameInAnyLetterCaseAndAFailedOpenKeepsTheCollection) {
  lumo::test::TempDir dir;
  for (const char* name : {"a/Cdplayer.ini", "a/CDPLAYER.INI", "a/cdplayer.ini", "a/cdplayer.ini.bak",
                           "a/xcdplayer.ini", "a/CDPLAYER.\xC3\x8DNI", "b/CdPlayer.Ini"}) {
    std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
    lumo::test::WriteBytes(dir.File(name), "[k]\r\nartist=A\r\ntitle=T\r\n");
  }
  EXPECT_EQ(CaseBlindCandidates(dir.File("a/cdplayer.ini")),
            (std::vector<std::string>{dir.File("a/cdplayer.ini"), dir.File("a/CDPLAYER.INI"), dir.File("a/Cdplayer.ini")}));
  EXPECT_EQ(CaseBlindCandidates(dir.File("none/cdplayer.ini")), std::vector<std::string>{dir.File("none/cdplayer.ini")});
  Catalogue catalogue;
  EXPECT_EQ(catalogue.LoadAlong(dir.File("none") + ";" + dir.File("b")).path, dir.File("b/CdPlayer.Ini"));
  for (const char* bad : {"none/discs.ini", "a"}) {
    EXPECT_NE(catalogue.Open(dir.File(bad)).verdict, SearchVerdict::Loaded) << bad;
    EXPECT_TRUE(catalogue.Document().IsLoaded());
    EXPECT_EQ(catalogue.Document().GetFile(), dir.File("b/CdPlayer.Ini"));
  }
}

}  // namespace
