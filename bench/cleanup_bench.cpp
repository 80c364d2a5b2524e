// Cleaning up a big cdplayer.ini, first run in a fresh process: listing the
// duplicate albums and the similar artists (target: together under 100 ms),
// then a Replace all over every name with its write and undo step (target:
// under 300 ms). The collection is given, so that it can come from any
// generator; it is copied into a temporary folder first. Run by hand:
//   make-collection --albums 20000 --noise --duplicates 500 -o big.ini
//   build/bench/cleanup_bench big.ini [find] [with]
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/collection/catalogue.h"
#include "core/collection/duplicate_albums.h"
#include "core/collection/name_replace.h"
#include "core/collection/similar_artists.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: cleanup_bench CDPLAYER_INI [find] [with]\n");
    return 2;
  }
  const lumo::test::TempDir folder;
  const std::string path = folder.File("cdplayer.ini");
  std::filesystem::copy_file(argv[1], path);
  Catalogue catalogue;
  auto start = std::chrono::steady_clock::now();
  if (!catalogue.Load(path)) return 1;
  std::printf("load                %7.1f ms, %zu sections\n", MillisecondsSince(start),
              catalogue.Document().SectionCount());

  start = std::chrono::steady_clock::now();
  // As the dialog does: one reading of the albums for both pages.
  const std::vector<AlbumIdentity> albums = AlbumIdentities(catalogue.Document());
  const auto duplicates = FindDuplicateAlbums(albums);
  const double duplicateTime = MillisecondsSince(start);
  const auto similar = FindSimilarArtists(albums);
  std::printf("duplicates          %7.1f ms, %zu groups\n", duplicateTime, duplicates.size());
  std::printf("+ similar artists   %7.1f ms, %zu groups\n", MillisecondsSince(start), similar.size());

  ReplaceRequest request{argc > 2 ? argv[2] : "e", argc > 3 ? argv[3] : "E", true, true, true, true};
  start = std::chrono::steady_clock::now();
  const ReplacePlan plan = PlanReplace(catalogue.Document(), request);
  const double planTime = MillisecondsSince(start);
  const bool written = catalogue.ReplaceNames(plan.edits);
  std::printf("replace all: plan   %7.1f ms, %zu names\n", planTime, plan.edits.size());
  std::printf("replace all + write %7.1f ms%s\n", MillisecondsSince(start), written ? "" : " (refused)");
  start = std::chrono::steady_clock::now();
  const bool undone = catalogue.Undo();
  std::printf("undo                %7.1f ms%s\n", MillisecondsSince(start), undone ? "" : " (refused)");
  return written && undone ? 0 : 1;
}
