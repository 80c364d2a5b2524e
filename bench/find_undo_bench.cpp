// Find and undo on a 20,000-album collection (about 250,000 names): a Find
// that looks at every name and matches none (target: under 50 ms); album and
// artist renames with their undo steps recorded, and their undo; the memory
// that 100 undo steps hold. Prints the first run and the median of several.
// Run by hand:
//   build/bench/find_undo_bench [albums] [runs]
#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_model.h"
#include "gui/tree/window_tree.h"
#include "core/catalogue/tree_search.h"
#include "core/collection/catalogue.h"
#include "core/catalogue/catalogue_item.h"
#include "support/collection_generator.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

// "first X ms, median Y ms": the first run pays for fresh memory, as a user's would.
std::string Timed(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer timer;
    timer.start();
    work();
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  const double first = times.front();
  std::sort(times.begin(), times.end());
  char text[64];
  std::snprintf(text, sizeof text, "first %.1f ms, median %.1f ms", first, times[times.size() / 2]);
  return text;
}

std::vector<CatalogueItem> Albums(const lumo::IniDocument& document) {
  std::vector<CatalogueItem> albums;
  lumo::IniSection section;
  for (auto position = document.FirstSection(); position;) {
    document.NextSection(position, section);
    albums.push_back({ItemKind::Album, section.GetString("title", "?"), section.GetName(), 0});
  }
  return albums;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int albums = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int runs = argc > 2 ? std::atoi(argv[2]) : 9;
  const lumo::test::TempDir folder;
  const std::string path = folder.File("cdplayer.ini");
  lumo::bench::WriteCollection({albums, 12, albums / 100, 0.0, 1}, path);  // 100 albums an artist

  LumoTreeCtrl tree;
  Catalogue catalogue;
  if (!catalogue.Load(path)) return 1;
  {
    lumo::WindowTree target(tree, {});  // the first of each duplicate kept
    catalogue.BuildTree(target);
  }
  std::printf("%lld items in the tree\n", static_cast<long long>(tree.GetCount()));

  const FindOptions missing{"no such name anywhere", false, true, true, true};
  std::printf("Find through every name: %s\n",
              Timed(runs, [&] { FindInTree(*tree.Model()->Root(), nullptr, missing, FindDirection::Next); }).c_str());

  std::vector<CatalogueItem> records = Albums(catalogue.Document());
  int n = 0;
  std::printf("Rename an album, undo step included: %s\n", Timed(runs, [&] {
                CatalogueItem album = records[static_cast<size_t>(n++ * 97) % records.size()];
                album.text += "!";
                catalogue.WriteItemName(album);
              }).c_str());
  std::printf("Undo an album rename: %s\n", Timed(runs, [&] { catalogue.Undo(); }).c_str());
  std::printf("Redo it: %s\n", Timed(runs, [&] { catalogue.Redo(); }).c_str());

  std::vector<const CatalogueItem*> ofOneArtist;
  const std::string artist = catalogue.Document().GetString(records.front().cdKey, "artist", "");
  for (const CatalogueItem& album : records) {
    if (catalogue.Document().GetString(album.cdKey, "artist", "") == artist) ofOneArtist.push_back(&album);
  }
  std::printf("Rename an artist with %zu albums, undo step included: %s\n", ofOneArtist.size(),
              Timed(runs, [&] { catalogue.RenameArtist(artist + std::to_string(n++), ofOneArtist); }).c_str());

  catalogue.Load(path);
  for (int i = 0; i < 100; ++i) {
    CatalogueItem album = records[static_cast<size_t>(i * 197) % records.size()];
    album.text += " (" + std::to_string(i) + ")";
    catalogue.WriteItemName(album);
  }
  std::printf("100 undo steps of album renames hold %.1f KB\n",
              static_cast<double>(catalogue.History().MemoryUsed()) / 1024.0);
  QElapsedTimer timer;
  timer.start();
  while (catalogue.Undo()) {
  }
  std::printf("Undoing all 100: %.0f ms\n", static_cast<double>(timer.elapsed()));
  return 0;
}
