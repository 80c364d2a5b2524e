// Loads arbitrary bytes as cdplayer.ini, builds the catalogue into bare tree
// items and checks what the main window relies on: artists distinct and in
// label order; one album per section with an artist, less the duplicates
// left out, under the right artist; tracks as TracksToShow says, each named
// by its key or "?" and labelled "%2d. %s", the same whether they were made
// by the build or later from the file's lines; counts that match the tree;
// and never more items than the file's own keys justify. The document the
// tree was built from is gone before its tracks are read, so an item that
// still points into it is caught by AddressSanitizer.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/catalogue/catalogue_build.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_section.h"
#include "fuzz_input.h"

using namespace lumo;

namespace {

using lumo::fuzz::Check;

// The tree as bare items. Duplicates are left out or kept by the bits of
// `answers`, so both ways are taken.
class PlainTree final : public lumo::CatalogueTree {
 public:
  explicit PlainTree(uint32_t answers) : answers_(answers) {}

  TreeItem& Root() { return root_; }
  int64_t LeftOut() const { return leftOut_; }
  // The artist and title pairs a duplicate question named.
  const std::set<std::pair<std::string, std::string>>& Asked() const { return asked_; }

  void KeepTexts(std::shared_ptr<const void> texts) override { texts_.push_back(std::move(texts)); }
  TreeItem* AddArtist(const RecordView& artist, const PendingChildren& albums) override {
    return root_.AppendForSorting(std::make_unique<TreeItem>(artist, nullptr, albums));
  }
  bool LeaveOutDuplicate(std::string_view artist, std::string_view title) override {
    asked_.emplace(artist, title);
    const bool leaveOut = (answers_ >> (questions_++ % 32) & 1) != 0;
    leftOut_ += leaveOut ? 1 : 0;
    return leaveOut;
  }

 private:
  std::vector<std::shared_ptr<const void>> texts_;  // before root_: outlives the items
  TreeItem root_{"", nullptr, nullptr};
  int64_t leftOut_ = 0;
  uint32_t answers_;
  int questions_ = 0;
  std::set<std::pair<std::string, std::string>> asked_;
};

// Makes every artist's albums while their document is still there; their
// tracks are left to be made from the loaded bytes the items share.
void MakeAlbums(const TreeItem& root) {
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) artist->Child(0);
}

// A question about duplicates is asked only of a pair two sections share.
void CheckQuestions(const lumo::IniDocument& document, const PlainTree& tree) {
  std::multiset<std::pair<std::string, std::string>> pairs;
  lumo::IniSection section;
  for (auto at = document.FirstSection(); at;) {
    document.NextSection(at, section);
    pairs.emplace(section.GetString("artist", "<UNKNOWN>"), section.GetString("title", "<UNKNOWN>"));
  }
  for (const auto& asked : tree.Asked()) Check(pairs.count(asked) >= 2);
}

// Builds from a document of its own, dropped before the tree is read.
lumo::CatalogueCounts Build(const std::string& path, PlainTree& tree) {
  lumo::IniDocument document(path);
  Check(document.Load());
  int lastPercent = 0;
  const lumo::CatalogueCounts counts = lumo::BuildCatalogue(document, tree, [&](int percent) {
    Check(percent > lastPercent && percent <= 100);
    lastPercent = percent;
  });
  Check(lastPercent == (document.SectionCount() > 0 ? 100 : 0));
  tree.Root().PlaceAppended();
  CheckQuestions(document, tree);
  MakeAlbums(tree.Root());
  return counts;
}

int64_t CheckTracks(const TreeItem& album, const lumo::IniSection& section) {
  const int count = lumo::TracksToShow(section);
  Check(album.ChildCount() == count && count <= lumo::kMaxTracks);
  // Texts of tracks still to be made, read before anything makes them.
  const std::vector<std::string_view> pending = album.PendingChildTexts();
  Check(pending.empty() || pending.size() == static_cast<std::size_t>(count));
  int unnamed = 0;
  for (int i = 0; i < count; ++i) {
    const TreeItem& track = *album.Child(i);
    const std::string name = section.GetString(std::to_string(i), "?");
    unnamed += section.Find(std::to_string(i)) ? 0 : 1;
    Check(pending.empty() || pending[static_cast<std::size_t>(i)] == name);
    Check(track.Kind() == ItemKind::Track && track.Text() == name && track.CdKey() == section.GetName());
    Check(track.Label() == (i < 9 ? " " : "") + std::to_string(i + 1) + ". " + name);
    Check(*track.Record() == (CatalogueItem{ItemKind::Track, name, section.GetName(), static_cast<int16_t>(i)}));
  }
  Check(unnamed <= lumo::kMaxUnnamedTracks);
  return count;
}

// Checks one album item against its section; returns its track count.
int64_t CheckAlbum(const lumo::IniDocument& document, const TreeItem& artist, const TreeItem& album) {
  Check(album.Kind() == ItemKind::Album && album.Label() == album.Text());
  const lumo::IniSection* section = document.FindSection(std::string(album.CdKey()));
  Check(section != nullptr && section->GetName() == album.CdKey());
  Check(section->GetString("artist", "<UNKNOWN>") == artist.Text());
  Check(section->GetString("title", "<UNKNOWN>") == album.Text());
  return CheckTracks(album, *section);
}

// What the file can justify: 99 unnamed tracks per section, one per other key.
int64_t TrackBudget(const lumo::IniDocument& document, int64_t& sectionsWithArtist) {
  int64_t budget = 0;
  lumo::IniSection section;
  for (auto at = document.FirstSection(); at;) {
    document.NextSection(at, section);
    if (section.GetString("artist", "<UNKNOWN>") != "<UNKNOWN>") ++sectionsWithArtist;
    budget += lumo::kMaxUnnamedTracks + static_cast<int64_t>(section.KeyCount());
  }
  return budget;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string path = lumo::fuzz::WriteInput("cdplayer.ini", data, size);
  if (path.empty()) return 0;
  PlainTree tree(size > 0 ? data[size / 2] * 0x01010101u : 0);
  const lumo::CatalogueCounts counts = Build(path, tree);
  lumo::IniDocument document(path);
  Check(document.Load());

  const int64_t items = tree.Root().SubtreeSize();
  Check(counts.artists == tree.Root().ChildCount());
  int64_t albums = 0;
  int64_t tracks = 0;
  for (int a = 0; a < tree.Root().ChildCount(); ++a) {
    const TreeItem& artist = *tree.Root().Child(a);
    Check(artist.Kind() == ItemKind::Artist && artist.CdKey().empty() && artist.Label() == artist.Text());
    Check(a == 0 || CompareTreeLabels(tree.Root().Child(a - 1)->LabelParts(), artist.LabelParts()) < 0);
    for (int b = 0; b < artist.ChildCount(); ++b) tracks += CheckAlbum(document, artist, *artist.Child(b));
    albums += artist.ChildCount();
  }
  int64_t sectionsWithArtist = 0;
  Check(tracks <= TrackBudget(document, sectionsWithArtist));
  Check(counts.albums == albums && albums + tree.LeftOut() == sectionsWithArtist);
  // Tracks made on demand are the ones counted before.
  Check(items == 1 + counts.artists + albums + tracks && tree.Root().SubtreeSize() == items);
  return 0;
}
