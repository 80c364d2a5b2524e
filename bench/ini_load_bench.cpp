// Loading a large cdplayer.ini: 20,000 albums (about 6.6 MB, 330,000 key
// lines) read into an IniDocument, and key lookups in the loaded document.
// Target: Load in 30 ms or less, and well under 10 MB of memory above the
// file's own bytes.
//
//   build/bench/ini_load_bench [FILE] [benchmark options]
//
// First one load in this fresh process (time, resident memory before and
// after, peak), then the warm runs. FILE (e.g. one written by
// make-collection) is loaded instead of the generated collection; without
// it the generator's own memory shows in the peak.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ini/ini_document.h"
#include "support/collection_generator.h"
#include "support/temp_dir.h"

namespace {

constexpr int kAlbums = 20000;

std::string& GivenPath() {
  static std::string path;
  return path;
}

// The collection, written once per run into a private temporary folder that
// is removed at exit.
const std::string& CollectionPath() {
  static const std::string path = [] {
    if (!GivenPath().empty()) return GivenPath();
    static const lumo::test::TempDir folder;
    const std::string file = folder.File("cdplayer.ini");
    lumo::bench::CollectionShape shape;
    shape.albums = kAlbums;
    lumo::bench::WriteCollection(shape, file);
    return file;
  }();
  return path;
}

// A line of /proc/self/status such as "VmRSS:", in megabytes.
double StatusMegabytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0) return std::strtod(line.c_str() + field.size(), nullptr) / 1024.0;
  }
  return 0.0;
}

// The load as the program meets it: once, in a process that has done
// nothing else yet.
void ColdLoad() {
  const std::string& path = CollectionPath();
  const double rssBefore = StatusMegabytes("VmRSS:");
  lumo::IniDocument document(path);
  const auto start = std::chrono::steady_clock::now();
  if (!document.Load()) std::abort();
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  const double rssAfter = StatusMegabytes("VmRSS:");
  const double fileMegabytes = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
  std::printf("cold Load: %.2f ms, %zu sections; RSS %.1f -> %.1f MB (+%.1f; file %.1f MB, rest %.1f), peak %.1f MB\n",
              took.count(), document.SectionCount(), rssBefore, rssAfter, rssAfter - rssBefore, fileMegabytes,
              rssAfter - rssBefore - fileMegabytes, StatusMegabytes("VmHWM:"));
  std::fflush(stdout);
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

// Every key of every section, the way the tree reads them.
void BM_Assignments(benchmark::State& state) {
  lumo::IniDocument document(CollectionPath());
  if (!document.Load()) state.SkipWithError("load failed");
  for (auto _ : state) {
    std::size_t total = 0;
    document.ForEachSection([&](const lumo::IniSection& section) {
      section.ForEachAssignment([&](std::string_view key, std::string_view value) { total += key.size() + value.size(); });
    });
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_Assignments)->Unit(benchmark::kMillisecond);

void BM_Enumerate(benchmark::State& state) {
  lumo::IniDocument document(CollectionPath());
  if (!document.Load()) state.SkipWithError("load failed");
  for (auto _ : state) benchmark::DoNotOptimize(SectionNames(document).size());
}
BENCHMARK(BM_Enumerate)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && argv[1][0] != '-') {
    GivenPath() = argv[1];
    argv[1] = argv[0];  // the benchmark library reads its options from what follows
    --argc;
    ++argv;
  }
  ColdLoad();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
