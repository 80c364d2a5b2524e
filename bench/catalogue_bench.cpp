// Loading a large collection the way the main window does: read the file,
// build the tree, sort each artist's albums and show the Artist level; then
// the All level on a window that is shown. Prints the median of several runs
// and the process's peak memory. Run by hand:
//   build/bench/catalogue_bench [albums] [runs]
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

#include "app/lumo_tree_ctrl.h"
#include "catalogue/catalogue.h"
#include "catalogue/duplicate_notify.h"
#include "support/collection_generator.h"

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

// Ticks "apply to all" and answers Ok at the first duplicate, as a user
// faced with many duplicates would.
void AnswerDuplicatesOnce() {
  auto* timer = new QTimer(qApp);  // lives with the application
  QObject::connect(timer, &QTimer::timeout, [] {
    auto* dialog = qobject_cast<DuplicateNotify*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    dialog->ControlAs<QAbstractButton>(1057)->click();
    dialog->ControlAs<QAbstractButton>(DuplicateNotify::kAnswerOk)->click();
  });
  timer->start(1);
}

struct Timings {
  std::vector<double> load, build, level, all;
};

void RunOnce(const std::string& path, Timings& timings) {
  LumoTreeCtrl tree;
  tree.resize(400, 600);
  tree.show();
  Catalogue catalogue(&tree);
  QElapsedTimer clock;
  clock.start();
  if (!catalogue.Load(path)) std::abort();
  timings.load.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  clock.restart();
  catalogue.BuildTree();
  timings.build.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  clock.restart();
  tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
  tree.viewport()->repaint();
  timings.level.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  clock.restart();
  tree.ApplyDisplayLevel(DisplayLevel::All, false);
  tree.viewport()->repaint();
  timings.all.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
}

void Report(const char* name, const Timings& t, int albums) {
  std::printf("%-28s load %6.1f  build %6.1f  sort+Artist %6.1f  = %6.1f ms   All level %6.1f ms\n", name,
              Median(t.load), Median(t.build), Median(t.level), Median(t.load) + Median(t.build) + Median(t.level),
              Median(t.all));
  (void)albums;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int albums = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  const std::string dir = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
  const std::string clean = dir + "/lumo-bench-clean.ini";
  const std::string duplicated = dir + "/lumo-bench-dups.ini";
  lumo::bench::CollectionShape shape;
  shape.albums = albums;
  lumo::bench::WriteCollection(shape, clean);
  shape.duplicateShare = 0.02;
  lumo::bench::WriteCollection(shape, duplicated);

  // Random names collide now and then, so even the clean file may ask.
  AnswerDuplicatesOnce();
  Timings plain, dups;
  for (int i = 0; i < runs; ++i) RunOnce(clean, plain);
  std::printf("%d albums, median of %d runs\n", albums, runs);
  Report("clean collection", plain, albums);
  std::printf("peak memory after clean runs: %.1f MB\n", PeakMegabytes());
  for (int i = 0; i < runs; ++i) RunOnce(duplicated, dups);
  Report("2% duplicates, latched", dups, albums);
  std::remove(clean.c_str());
  std::remove(duplicated.c_str());
  return 0;
}
