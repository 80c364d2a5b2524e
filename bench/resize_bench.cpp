// Resizing the main window: the registered controls re-laid out and the
// whole window repainted, with a full tree (500 artists, 2,000 albums, all
// expanded) and the round buttons. Prints the first resize in this fresh
// process with the peak memory, then the median of the warm ones. Run by
// hand (off screen unless QT_QPA_PLATFORM says otherwise, e.g. xcb under Xvfb):
//   build/bench/resize_bench [resizes]
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "bench_timing.h"
#include "core/catalogue/catalogue_item.h"

using namespace lumo;

namespace {

void FillTree(LumoTreeCtrl& tree) {
  const LumoTreeCtrl::BulkUpdate bulk(tree);
  for (int a = 0; a < 500; ++a) {
    TreeItem* artist = tree.InsertItemWithData({ItemKind::Artist, "Artist " + std::to_string(a), {}, 0}, nullptr,
                                               InsertAt::Last);
    for (int b = 0; b < 4; ++b) {
      const std::string key = std::to_string(10000000 + a * 4 + b);
      TreeItem* album =
          tree.InsertItemWithData({ItemKind::Album, "Album " + std::to_string(b), key, 0}, artist, InsertAt::Last);
      for (int16_t t = 0; t < 12; ++t) tree.InsertItemWithData({ItemKind::Track, "Track", key, t}, album, InsertAt::Last);
    }
  }
  tree.ApplyDisplayLevel(DisplayLevel::All, false);
}

double ResizeAndRepaint(CLumoDlg& window, QSize size) {
  QElapsedTimer clock;
  clock.start();
  window.resize(size);
  window.repaint();
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir settings;  // no saved size, no collection: the tree is filled here
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  QApplication app(argc, argv);
  const int resizes = argc > 1 ? std::atoi(argv[1]) : 60;
  CLumoDlg window;
  window.CreateModeless(nullptr);
  QApplication::processEvents();
  FillTree(window.Tree());
  QApplication::processEvents();
  const QSize base = window.size();
  const double first = ResizeAndRepaint(window, base + QSize(40, 30));
  const double peak = lumo::bench::PeakMegabytes();
  std::vector<double> warm;
  for (int i = 0; i < resizes; ++i) warm.push_back(ResizeAndRepaint(window, base + QSize(8 * (i % 20), 6 * (i % 15))));
  std::printf("main window %dx%d and larger, %s\n", base.width(), base.height(),
              QGuiApplication::platformName().toUtf8().constData());
  lumo::bench::PrintTimings("resize + repaint of the main window", first, peak, warm);
  std::printf("peak RSS at the end: %.1f MB\n", lumo::bench::PeakMegabytes());
  return 0;
}
