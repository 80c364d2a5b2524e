// Loading a large collection the way the main window does: read the file,
// build the tree, sort each artist's albums and show the Artist level; then
// the All level on a window that is shown. Prints the first (cold) run with
// the process's peak memory after it, then the median of the warm runs.
// Run by hand:
//   build/bench/catalogue_bench [albums] [runs]
//       albums by albums/4 artists, a clean file and one with 2% duplicates
//   build/bench/catalogue_bench --distinct [artists] [runs] [tracks per album]
//       every album by an artist of its own (default 200,000 artists, 12 tracks)
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "core/collection/catalogue.h"
#include "gui/main/duplicate_notify.h"
#include "gui/tree/window_tree.h"
#include "support/answer_duplicates.h"
#include "support/collection_generator.h"
#include "support/cpu_time.h"

using namespace lumo;

namespace {

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct Timings {
  std::vector<double> load, build, buildCpu, level, all;
};

void RunOnce(const std::string& path, Timings& timings) {
  LumoTreeCtrl tree;
  tree.resize(400, 600);
  tree.show();
  Catalogue catalogue;
  QElapsedTimer clock;
  clock.start();
  if (!catalogue.Load(path)) std::abort();
  timings.load.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  clock.restart();
  const double cpu = lumo::bench::CpuMilliseconds();
  {
    lumo::WindowTree target(tree, AskAboutDuplicates(&tree));
    catalogue.BuildTree(target);
  }
  timings.build.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  timings.buildCpu.push_back(lumo::bench::CpuMilliseconds() - cpu);
  clock.restart();
  tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
  tree.viewport()->repaint();
  timings.level.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  clock.restart();
  tree.ApplyDisplayLevel(DisplayLevel::All, false);
  tree.viewport()->repaint();
  timings.all.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
}

std::vector<double> Warm(const std::vector<double>& runs) {
  return runs.size() > 1 ? std::vector<double>(runs.begin() + 1, runs.end()) : runs;
}

void PrintRow(const char* name, double load, double build, double buildCpu, double level, double all) {
  std::printf("%-30s load %7.1f  build %7.1f (cpu %7.1f)  sort+Artist %7.1f  = %7.1f ms   All level %7.1f ms\n",
              name, load, build, buildCpu, level, load + build + level, all);
}

// Runs `runs` times; the first run is reported on its own, as the user meets it.
void Measure(const char* name, const std::string& path, int runs) {
  Timings t;
  RunOnce(path, t);
  PrintRow((std::string(name) + ", first run").c_str(), t.load[0], t.build[0], t.buildCpu[0], t.level[0],
           t.all[0]);
  std::printf("%-30s peak RSS %.1f MB\n", "", PeakMegabytes());
  for (int i = 1; i < runs; ++i) RunOnce(path, t);
  if (runs < 2) return;
  PrintRow((std::string(name) + ", warm median").c_str(), Median(Warm(t.load)), Median(Warm(t.build)),
           Median(Warm(t.buildCpu)), Median(Warm(t.level)), Median(Warm(t.all)));
}

std::string TempFile(const char* name) {
  const char* dir = std::getenv("TMPDIR");
  return std::string(dir ? dir : "/tmp") + "/" + name;
}

int IntArgument(int argc, char** argv, int at, int otherwise) {
  return argc > at ? std::atoi(argv[at]) : otherwise;
}

// Many artists with one album each: what a sorted insertion per artist costs.
void DistinctArtists(int argc, char** argv) {
  lumo::bench::CollectionShape shape;
  shape.albums = IntArgument(argc, argv, 2, 200000);
  shape.tracksPerAlbum = IntArgument(argc, argv, 4, 12);
  shape.artistPerAlbum = true;
  const int runs = IntArgument(argc, argv, 3, 5);
  const std::string path = TempFile("lumo-bench-distinct.ini");
  lumo::bench::WriteCollection(shape, path);
  std::printf("%d distinct artists, one album each, about %d tracks per album; %d runs\n", shape.albums,
              shape.tracksPerAlbum, runs);
  Measure("distinct artists", path, runs);
  std::remove(path.c_str());
}

void MixedCollections(int argc, char** argv) {
  lumo::bench::CollectionShape shape;
  shape.albums = IntArgument(argc, argv, 1, 20000);
  const int runs = IntArgument(argc, argv, 2, 7);
  const std::string clean = TempFile("lumo-bench-clean.ini");
  const std::string duplicated = TempFile("lumo-bench-dups.ini");
  lumo::bench::WriteCollection(shape, clean);
  shape.duplicateShare = 0.02;
  lumo::bench::WriteCollection(shape, duplicated);
  std::printf("%d albums, %d runs\n", shape.albums, runs);
  Measure("clean collection", clean, runs);
  Measure("2% duplicates, latched", duplicated, runs);
  std::remove(clean.c_str());
  std::remove(duplicated.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // Random names collide now and then, so even a clean file may ask.
  lumo::bench::AnswerDuplicatesOnce();
  if (argc > 1 && std::string(argv[1]) == "--distinct") {
    DistinctArtists(argc, argv);
  } else {
    MixedCollections(argc, argv);
  }
  return 0;
}
