// Feeding a large collection to each report writer and writing the file:
// 20,000 albums, 5,000 artists, about 250,000 tracks. Target: 200 ms or less
// per report.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <unistd.h>
#include <vector>

#include "core/about/about_info.h"
#include "core/report/csv_report.h"
#include "core/report/file_exception.h"
#include "core/report/html_report.h"
#include "support/report_collection.h"

using namespace lumo;

namespace {

using lumo::bench::Album;
using lumo::bench::Artist;

// Names of typical length with some markup characters, deterministic.
std::vector<Artist> MakeArtists(int artistCount, int albumsPerArtist) {
  std::vector<Artist> artists(static_cast<size_t>(artistCount));
  uint32_t state = 1;
  for (int a = 0; a < artistCount; ++a) {
    Artist& artist = artists[static_cast<size_t>(a)];
    artist.name = "Artist & Band " + std::to_string(a);
    for (int b = 0; b < albumsPerArtist; ++b) {
      Album album{"Album \"" + std::to_string(b) + "\" of the year", {}};
      state = state * 1664525u + 1013904223u;
      const int tracks = 9 + static_cast<int>((state >> 16) % 8);  // 9..16, mean 12.5
      for (int t = 0; t < tracks; ++t) album.tracks.push_back("Track title number " + std::to_string(t));
      artist.albums.push_back(std::move(album));
    }
  }
  return artists;
}

const std::vector<Artist>& Collection() {
  static const std::vector<Artist> artists = MakeArtists(5000, 4);
  return artists;
}

void Feed(LumoReportBase& writer) { lumo::bench::FeedArtists(Collection(), writer); }

template <typename Writer>
std::unique_ptr<Writer> NewWriter() {
  if constexpr (std::is_same_v<Writer, LumoHtml>) {
    return std::make_unique<LumoHtml>(lumo::ReportFooter{"Lumo", "v2.0 Beta2", kMakerPageUrl});
  } else {
    return std::make_unique<Writer>();
  }
}

template <typename Writer>
void BM_FeedAndWrite(benchmark::State& state) {
  const std::string path = "/tmp/lumo-report-bench-" + std::to_string(::getpid());
  Collection();  // built outside the timing
  for (auto _ : state) {
    auto writer = NewWriter<Writer>();
    Feed(*writer);
    try {
      writer->WriteReport(path, "Bench", "comment");
    } catch (const lumo::FileException&) {
      state.SkipWithError("not written");
    }
  }
  std::remove(path.c_str());
}

BENCHMARK_TEMPLATE(BM_FeedAndWrite, LumoHtml)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK_TEMPLATE(BM_FeedAndWrite, LumoCsv)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
