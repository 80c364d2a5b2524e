#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/catalogue/catalogue_item.h"
#include "core/ini/ini_document.h"
#include "core/edit/write_back.h"
#include "core/platform/profile_text.h"
#include "support/collection_generator.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::ReadBytes;
using lumo::test::WriteBytes;

// The albums of the first `count` sections, as the tree would hold them.
std::vector<CatalogueItem> FirstAlbums(const lumo::IniDocument& document, std::size_t count) {
  std::vector<CatalogueItem> albums;
  lumo::IniSection section;
  for (auto position = document.FirstSection(); position && albums.size() < count;) {
    document.NextSection(position, section);
    albums.push_back({ItemKind::Album, section.GetString("title", "<UNKNOWN>"), section.GetName(), 0});
  }
  return albums;
}

// A process killed at any moment while it renames an artist over 100 albums
// leaves the file with exactly the old bytes or exactly the new ones.
TEST(WriteBackKill, FileIsOldOrNewWheneverTheWriterDies) {
  lumo::test::TempDir dir;
  const std::string path = dir.File("cdplayer.ini");
  const std::string before = lumo::bench::MakeCollection({2000, 12, 0, 0.0, 3});
  WriteBytes(path, before);
  lumo::IniDocument document(path);
  ASSERT_TRUE(document.Load());
  const std::vector<CatalogueItem> albums = FirstAlbums(document, 100);
  std::vector<const CatalogueItem*> records;
  for (const CatalogueItem& album : albums) records.push_back(&album);
  const std::vector<lumo::profile::Edit> edits = lumo::write_back::ArtistNameEdits("Renamed", records);
  ASSERT_EQ(edits.size(), 200u);
  std::string after = before;
  ASSERT_TRUE(lumo::profile::ApplyEditsToText(edits, after));

  // Kill moments spread over one and a half times a whole run's length, as
  // measured here, so that the test hits the write on a slow machine (or
  // under a sanitizer) as well as on a fast one.
  const auto runChild = [&] {
    const pid_t child = ::fork();
    if (child == 0) _exit(document.ApplyEdits(edits) ? 0 : 1);
    return child;
  };
  long long wholeRun = 1;
  for (int i = 0; i < 3; ++i) {
    WriteBytes(path, before);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = runChild();
    ASSERT_GE(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_EQ(ReadBytes(path), after);
    const auto took = std::chrono::steady_clock::now() - start;
    wholeRun = std::max<long long>(wholeRun, std::chrono::duration_cast<std::chrono::microseconds>(took).count());
  }

  std::mt19937 random(11);
  int sawOld = 0;
  int sawNew = 0;
  for (int round = 0; round < 150; ++round) {
    WriteBytes(path, before);
    const pid_t child = runChild();
    ASSERT_GE(child, 0);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % (wholeRun * 3 / 2 + 1)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    const std::string now = ReadBytes(path);
    ASSERT_TRUE(now == before || now == after) << "round " << round << ": " << now.size() << " bytes";
    (now == before ? sawOld : sawNew) += 1;
  }
  // Both outcomes happen, or the timing never hit the write at all.
  EXPECT_GT(sawOld, 0);
  EXPECT_GT(sawNew, 0);
}

}  // namespace
