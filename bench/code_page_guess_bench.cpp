// The code page hint on big collections: for each file, its load and then
// GuessCollectionCodePage, first run in this process and warm runs, with
// the code page it suggests (0: none). Target: well under a millisecond,
// nothing beside the load. Run by hand:
//   make-collection --albums 20000 --noise -o big.ini
//   bench/recode-collection --codepage 932 big.ini -o big932.ini
//   build/bench/code_page_guess_bench big.ini big932.ini
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_timing.h"
#include "core/collection/code_page_guess.h"
#include "core/ini/ini_document.h"

namespace {

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

bool Measure(const char* path) {
  lumo::IniDocument document(path);
  auto start = std::chrono::steady_clock::now();
  if (!document.Load()) {
    std::fprintf(stderr, "cannot load %s\n", path);
    return false;
  }
  std::printf("%s: load %.1f ms, %zu sections\n", path, MillisecondsSince(start), document.SectionCount());
  start = std::chrono::steady_clock::now();
  const int guess = lumo::GuessCollectionCodePage(document);
  const double first = MillisecondsSince(start);
  const double peak = lumo::bench::PeakMegabytes();
  std::vector<double> warm;
  for (int i = 0; i < 50; ++i) {
    start = std::chrono::steady_clock::now();
    if (lumo::GuessCollectionCodePage(document) != guess) return false;
    warm.push_back(MillisecondsSince(start));
  }
  lumo::bench::PrintTimings("  GuessCollectionCodePage", first, peak, warm);
  std::printf("  suggests %d\n", guess);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: code_page_guess_bench CDPLAYER_INI...\n");
    return 2;
  }
  bool ok = true;
  for (int i = 1; i < argc; ++i) ok = Measure(argv[i]) && ok;
  return ok ? 0 : 1;
}
