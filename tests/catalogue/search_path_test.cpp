#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/collection/search_path.h"

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

}  // namespace
