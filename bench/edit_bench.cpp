// Renames in a 20,000-album cdplayer.ini (about 6.6 MB) as the tree's
// commands make them: one batch through the loaded document, each including
// reading, flushing and renaming the file. Targets: an album or a track
// 60 ms, an artist with 100 albums (200 keys) 150 ms.
// Run by hand: build-*/bench/edit_bench --benchmark_repetitions=10
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_item.h"
#include "core/ini/ini_document.h"
#include "core/edit/write_back.h"
#include "support/collection_generator.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

// A generated collection in a fresh folder, loaded, with its albums' records.
class LoadedCollection {
 public:
  LoadedCollection() {
    document_.SetFile(folder_.File("cdplayer.ini"));
    lumo::bench::WriteCollection({20000, 12, 0, 0.0, 1}, document_.GetFile());
    if (!document_.Load()) throw std::runtime_error("load failed");
    lumo::IniSection section;
    for (auto position = document_.FirstSection(); position;) {
      document_.NextSection(position, section);
      albums_.push_back({ItemKind::Album, section.GetString("title", "<UNKNOWN>"), section.GetName(), 0});
    }
  }
  LoadedCollection(const LoadedCollection&) = delete;
  LoadedCollection& operator=(const LoadedCollection&) = delete;

  lumo::IniDocument& Document() { return document_; }
  CatalogueItem& Album(std::size_t i) { return albums_[i % albums_.size()]; }

 private:
  lumo::test::TempDir folder_;
  lumo::IniDocument document_;
  std::vector<CatalogueItem> albums_;
};

void Apply(benchmark::State& state, lumo::IniDocument& document, const std::vector<lumo::profile::Edit>& edits) {
  if (!document.ApplyEdits(edits)) state.SkipWithError("write refused");
}

void BM_RenameAlbum(benchmark::State& state) {
  LoadedCollection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    CatalogueItem album = collection.Album(n * 7919);
    album.text = n++ % 2 ? "Odd" : "Even";
    Apply(state, collection.Document(), lumo::write_back::ItemNameEdits(album));
  }
}

void BM_RenameTrack(benchmark::State& state) {
  LoadedCollection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    const CatalogueItem& album = collection.Album(n * 7919);
    const CatalogueItem track{ItemKind::Track, n++ % 2 ? "Odd" : "Even", album.cdKey, 3};
    Apply(state, collection.Document(), lumo::write_back::ItemNameEdits(track));
  }
}

// An artist's albums lie all over the file: every 197th section.
void BM_RenameArtist100Albums(benchmark::State& state) {
  LoadedCollection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    std::vector<const CatalogueItem*> albums;
    for (std::size_t i = 0; i < 100; ++i) albums.push_back(&collection.Album(n * 131 + i * 197));
    Apply(state, collection.Document(), lumo::write_back::ArtistNameEdits(n++ % 2 ? "Odd" : "Even", albums));
  }
}

}  // namespace

BENCHMARK(BM_RenameAlbum)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenameArtist100Albums)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
