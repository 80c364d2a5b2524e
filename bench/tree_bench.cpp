// Building, levelling and emptying a catalogue tree the size of a large
// collection: 5,000 artists, 20,000 albums, 250,000 tracks. Then building
// one of 200,000 distinct artists (one album each), where every artist is a
// sorted insertion: first a cold run with the peak memory after it, then
// warm runs.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "support/cpu_time.h"

using namespace lumo;

namespace {

struct Album {
  std::string title;
  std::string cdKey;
  std::vector<std::string> tracks;
};
struct Artist {
  std::string name;
  std::vector<Album> albums;
};

std::string Words(std::mt19937& rng, int count) {
  std::uniform_int_distribution<int> length(3, 8);
  std::uniform_int_distribution<int> letter('a', 'z');
  std::string text;
  for (int w = 0; w < count; ++w) {
    if (w) text += ' ';
    const int n = length(rng);
    for (int i = 0; i < n; ++i) text += static_cast<char>(i ? letter(rng) : letter(rng) - 32);
  }
  return text;
}

// Artists come in random order, as the sections of a real file do.
const std::vector<Artist>& Collection() {
  static const std::vector<Artist> artists = [] {
    std::mt19937 rng(7);
    std::vector<Artist> made(5000);
    int key = 0;
    for (Artist& artist : made) {
      artist.name = Words(rng, 2);
      artist.albums.resize(4);
      for (Album& album : artist.albums) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08X", 0x10000000 + key);
        album.cdKey = hex;
        album.title = Words(rng, 3);
        album.tracks.resize(key++ % 2 ? 13 : 12);
        for (std::string& track : album.tracks) track = Words(rng, 3);
      }
    }
    return made;
  }();
  return artists;
}

// As the catalogue builds the tree: lean items over texts that outlive them
// (here the collection's own strings), every track made at once.
void Build(LumoTreeCtrl& tree) {
  const LumoTreeCtrl::BulkUpdate bulk(tree);
  for (const Artist& artist : Collection()) {
    TreeItem* a = tree.InsertLeanItem({ItemKind::Artist, artist.name, {}, 0}, nullptr, InsertAt::Sort);
    for (const Album& album : artist.albums) {
      TreeItem* b = tree.InsertLeanItem({ItemKind::Album, album.title, album.cdKey, 0}, a, InsertAt::Last);
      int16_t index = 0;
      for (const std::string& name : album.tracks) {
        tree.InsertLeanItem({ItemKind::Track, name, album.cdKey, index++}, b, InsertAt::Last);
      }
    }
  }
}

// Distinct names in random order, as a file's sections bring them.
const std::vector<std::string>& DistinctArtists() {
  static const std::vector<std::string> names = [] {
    std::mt19937 rng(13);
    std::unordered_set<std::string> seen;
    std::vector<std::string> made;
    while (made.size() < 200000) {
      std::string name = Words(rng, 2);
      if (seen.insert(name).second) made.push_back(std::move(name));
    }
    return made;
  }();
  return names;
}

const std::vector<std::string>& DistinctKeys() {
  static const std::vector<std::string> keys = [] {
    std::vector<std::string> made;
    for (std::size_t key = 0; key < DistinctArtists().size(); ++key) made.push_back(std::to_string(key));
    return made;
  }();
  return keys;
}

void BuildDistinct(LumoTreeCtrl& tree) {
  const LumoTreeCtrl::BulkUpdate bulk(tree);
  const std::vector<std::string>& keys = DistinctKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    TreeItem* artist = tree.InsertLeanItem({ItemKind::Artist, DistinctArtists()[i], {}, 0}, nullptr, InsertAt::Sort);
    tree.InsertLeanItem({ItemKind::Album, "Album", keys[i], 0}, artist, InsertAt::Last);
  }
}

void Show(LumoTreeCtrl& tree) {
  tree.resize(400, 600);
  tree.show();
  QApplication::processEvents();
}

// Layout and one paint, which is what the user waits for.
void Settle(LumoTreeCtrl& tree) { tree.viewport()->repaint(); }

void BM_BuildSortArtistLevel(benchmark::State& state) {
  Collection();
  LumoTreeCtrl tree;
  Show(tree);
  for (auto _ : state) {
    Build(tree);
    tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
    Settle(tree);
    state.PauseTiming();
    tree.DeleteAllWithData();
    state.ResumeTiming();
  }
  state.counters["items"] = 325000;
}
BENCHMARK(BM_BuildSortArtistLevel)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_AllLevel(benchmark::State& state) {
  LumoTreeCtrl tree;
  Show(tree);
  Build(tree);
  tree.SelectItem(tree.GetRootItem());
  for (auto _ : state) {
    tree.ApplyDisplayLevel(DisplayLevel::All, false);
    Settle(tree);
    state.PauseTiming();
    tree.ApplyDisplayLevel(DisplayLevel::Artist, false);
    Settle(tree);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AllLevel)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ArtistLevelFromAll(benchmark::State& state) {
  LumoTreeCtrl tree;
  Show(tree);
  Build(tree);
  for (auto _ : state) {
    state.PauseTiming();
    tree.ApplyDisplayLevel(DisplayLevel::All, false);
    Settle(tree);
    state.ResumeTiming();
    tree.ApplyDisplayLevel(DisplayLevel::Artist, false);
    Settle(tree);
  }
}
BENCHMARK(BM_ArtistLevelFromAll)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DeleteAll(benchmark::State& state) {
  LumoTreeCtrl tree;
  Show(tree);
  for (auto _ : state) {
    state.PauseTiming();
    Build(tree);
    tree.ApplyDisplayLevel(DisplayLevel::All, true);
    Settle(tree);
    state.ResumeTiming();
    tree.DeleteAllWithData();
  }
}
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_BuildDistinctArtists(benchmark::State& state) {
  DistinctKeys();
  LumoTreeCtrl tree;
  Show(tree);
  for (auto _ : state) {
    BuildDistinct(tree);
    state.PauseTiming();
    tree.DeleteAllWithData();
    state.ResumeTiming();
  }
  state.counters["items"] = 400000;
}
BENCHMARK(BM_BuildDistinctArtists)->Unit(benchmark::kMillisecond)->Iterations(5);

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

long MaxResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Memory of one loaded tree, measured before the timing runs so their
// repetitions do not blur the peak.
void ReportMemory() {
  const long bare = ResidentKiB();
  Collection();
  std::printf("RSS KiB: Qt started %ld, with the source names %ld\n", bare, ResidentKiB());
  LumoTreeCtrl tree;
  Show(tree);
  const long before = ResidentKiB();
  Build(tree);
  tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
  Settle(tree);
  const long artist = ResidentKiB();
  tree.ApplyDisplayLevel(DisplayLevel::All, false);
  Settle(tree);
  const long all = ResidentKiB();
  std::printf("RSS KiB: empty tree shown %ld, loaded at Artist %ld (+%ld), at All %ld (+%ld), "
              "process max %ld\n",
              before, artist, artist - before, all, all - before, MaxResidentKiB());
}

// The first build of 200,000 distinct artists in this process, as a user's
// first load meets it, and the memory it takes.
void ReportDistinctArtistsColdRun() {
  DistinctKeys();
  LumoTreeCtrl tree;
  Show(tree);
  const long before = ResidentKiB();
  const auto start = std::chrono::steady_clock::now();
  const double cpu = lumo::bench::CpuMilliseconds();
  BuildDistinct(tree);
  const double cpuSpent = lumo::bench::CpuMilliseconds() - cpu;
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  std::printf("200,000 distinct artists, first build: %.1f ms (cpu %.1f ms), RSS +%ld KiB, process max %ld KiB\n",
              wall.count(), cpuSpent, ResidentKiB() - before, MaxResidentKiB());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ReportMemory();
  ReportDistinctArtistsColdRun();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("process max RSS KiB after all runs: %ld\n", MaxResidentKiB());
  return 0;
}
