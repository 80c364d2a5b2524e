// Loading a large cdplayer.ini: 20,000 albums (about 6.6 MB, 330,000 key
// lines) read into an IniDocument, and key lookups in the loaded document.
// Target: Load in 30 ms or less.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "catalogue/ini_document.h"
#include "support/collection_generator.h"

namespace {

constexpr int kAlbums = 20000;

// The collection, written once per run into a private temporary folder that
// is removed at exit.
const std::string& CollectionPath() {
  static const std::string path = [] {
    static char folder[] = "/tmp/lumo-ini-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) std::abort();
    const std::string file = std::string(folder) + "/cdplayer.ini";
    lumo::bench::CollectionShape shape;
    shape.albums = kAlbums;
    lumo::bench::WriteCollection(shape, file);
    std::atexit([] {
      std::remove((std::string(folder) + "/cdplayer.ini").c_str());
      rmdir(folder);
    });
    return file;
  }();
  return path;
}

void BM_Load(benchmark::State& state) {
  lumo::IniDocument document(CollectionPath());
  for (auto _ : state) {
    if (!document.Load()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(document.SectionCount());
  }
  state.counters["sections"] = static_cast<double>(document.SectionCount());
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Section names as the catalogue asks for them, in enumeration order.
std::vector<std::string> SectionNames(const lumo::IniDocument& document) {
  std::vector<std::string> names;
  lumo::IniSection section;
  for (auto at = document.FirstSection(); at;) {
    document.NextSection(at, section);
    names.push_back(section.GetName());
  }
  return names;
}

void BM_GetString(benchmark::State& state) {
  lumo::IniDocument document(CollectionPath());
  if (!document.Load()) state.SkipWithError("load failed");
  const std::vector<std::string> names = SectionNames(document);
  std::size_t total = 0;
  for (auto _ : state) {
    for (const std::string& name : names) total += document.GetString(name, "Title", "").size();
  }
  benchmark::DoNotOptimize(total);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * names.size()));
}
BENCHMARK(BM_GetString)->Unit(benchmark::kMillisecond);

void BM_Enumerate(benchmark::State& state) {
  lumo::IniDocument document(CollectionPath());
  if (!document.Load()) state.SkipWithError("load failed");
  for (auto _ : state) benchmark::DoNotOptimize(SectionNames(document).size());
}
BENCHMARK(BM_Enumerate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
