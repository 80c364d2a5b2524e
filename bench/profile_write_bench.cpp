// Writes into a 20,000-album cdplayer.ini (about 6.6 MB) through the
// profile functions, each including reading, flushing and renaming the file.
// Run by hand: build-*/bench/profile_write_bench --benchmark_repetitions=10
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/platform/profile.h"
#include "support/collection_generator.h"
#include "support/temp_dir.h"

namespace {

using lumo::profile::Edit;

// The collection is far larger than a settings file may be.
constexpr std::size_t kLimit = lumo::profile::kMaxDataFileBytes;

// A collection written to a fresh temporary folder, with its section names.
class Collection {
 public:
  Collection() {
    path_ = folder_.File("cdplayer.ini");
    const lumo::bench::CollectionShape shape{20000, 12, 0, 0.0, 1};
    const std::string bytes = lumo::bench::MakeCollection(shape);
    lumo::bench::WriteCollection(shape, path_);
    for (std::size_t at = bytes.find('['); at != std::string::npos; at = bytes.find("\n[", at)) {
      if (bytes[at] == '\n') ++at;
      sections_.push_back(bytes.substr(at + 1, bytes.find(']', at) - at - 1));
    }
  }
  Collection(const Collection&) = delete;
  Collection& operator=(const Collection&) = delete;

  const std::string& Path() const { return path_; }
  const std::string& Section(std::size_t i) const { return sections_[i % sections_.size()]; }

 private:
  lumo::test::TempDir folder_;
  std::string path_;
  std::vector<std::string> sections_;
};

void BM_WriteString(benchmark::State& state) {
  Collection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    if (!lumo::profile::WriteString(collection.Section(n * 7919), "title", n % 2 ? "Odd" : "Even", collection.Path(), kLimit)) {
      state.SkipWithError("write failed");
    }
    ++n;
  }
}

void BM_DeleteSection(benchmark::State& state) {
  Collection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    if (!lumo::profile::DeleteSection(collection.Section(n++ * 7919), collection.Path(), kLimit)) {
      state.SkipWithError("removal failed");
    }
  }
}

void BM_Batch100(benchmark::State& state) {
  Collection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    std::vector<Edit> edits;
    for (std::size_t i = 0; i < 100; ++i) edits.push_back(Edit::Set(collection.Section(n * 131 + i * 197), "title", "New"));
    if (!lumo::profile::ApplyEdits(edits, collection.Path(), nullptr, {lumo::profile::IfMissing::Create, kLimit})) {
      state.SkipWithError("batch failed");
    }
    ++n;
  }
}

void BM_GetString(benchmark::State& state) {
  Collection collection;
  std::size_t n = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lumo::profile::GetString(collection.Section(n++ * 7919), "title", "", collection.Path(), kLimit));
  }
}

BENCHMARK(BM_WriteString)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteSection)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetString)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
