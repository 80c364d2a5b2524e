// Loads arbitrary bytes as cdplayer.ini, builds the catalogue into bare tree
// items and checks what the main window relies on: artists distinct and in
// label order; one album per section with an artist, less the duplicates
// left out, under the right artist; tracks as TracksToShow says, each named
// by its key or "?" and labelled "%2d. %s"; counts that match the tree; and
// never more items than the file's own keys justify.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "core/catalogue/tree_item.h"
#include "core/catalogue/catalogue_build.h"
#include "core/ini/ini_document.h"
#include "fuzz_input.h"

namespace {

using lumo::fuzz::Check;

// The tree as bare items. Duplicates are left out or kept by the bits of
// `answers`, so both ways are taken.
class PlainTree final : public lumo::CatalogueTree {
 public:
  explicit PlainTree(uint32_t answers) : answers_(answers) {}

  TreeItem* AddArtist(const CatalogueItem& artist) override {
    return root.AppendForSorting(
        std::make_unique<TreeItem>(artist.text, std::make_unique<CatalogueItem>(artist), nullptr));
  }
  TreeItem* AddLast(TreeItem* parent, CatalogueItem record, std::string_view label) override {
    if (record.kind == ItemKind::Album) albums_.insert({parent->Record()->text, record.text});
    auto owned = std::make_unique<CatalogueItem>(std::move(record));
    const std::string_view shown = label.empty() ? std::string_view(owned->text) : label;
    return parent->InsertChild(parent->ChildCount(), std::make_unique<TreeItem>(shown, std::move(owned), nullptr));
  }
  bool LeaveOutDuplicate(const std::string& artist, const std::string& title) override {
    Check(albums_.count({artist, title}) == 1);  // asked only about a pair already shown
    const bool leaveOut = (answers_ >> (questions_++ % 32) & 1) != 0;
    leftOut += leaveOut ? 1 : 0;
    return leaveOut;
  }

  TreeItem root{"", nullptr, nullptr};
  int64_t leftOut = 0;

 private:
  uint32_t answers_;
  int questions_ = 0;
  std::set<std::pair<std::string, std::string>> albums_;
};

int64_t CheckTracks(const TreeItem& album, const lumo::IniSection& section) {
  Check(album.ChildCount() == lumo::TracksToShow(section));
  int unnamed = 0;
  for (int i = 0; i < album.ChildCount(); ++i) {
    const CatalogueItem* track = album.Child(i)->Record();
    const std::string name = section.GetString(std::to_string(i), "?");
    unnamed += section.Find(std::to_string(i)) ? 0 : 1;
    Check(*track == (CatalogueItem{ItemKind::Track, name, section.GetName(), static_cast<int16_t>(i)}));
    Check(album.Child(i)->Label() == lumo::TrackLabel(static_cast<int16_t>(i), name));
  }
  Check(album.ChildCount() <= lumo::kMaxTracks && unnamed <= lumo::kMaxUnnamedTracks);
  return album.ChildCount();
}

// Checks one album item against its section; returns its track count.
int64_t CheckAlbum(const lumo::IniDocument& document, const TreeItem& artist, const TreeItem& album) {
  const CatalogueItem* record = album.Record();
  Check(record->kind == ItemKind::Album && album.Label() == record->text);
  const lumo::IniSection* section = document.FindSection(record->cdKey);
  Check(section != nullptr && section->GetName() == record->cdKey);
  Check(section->GetString("artist", "<UNKNOWN>") == artist.Record()->text);
  Check(section->GetString("title", "<UNKNOWN>") == record->text);
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
  lumo::IniDocument document(path);
  Check(document.Load());

  PlainTree tree(size > 0 ? data[size / 2] * 0x01010101u : 0);
  int lastPercent = 0;
  const lumo::CatalogueCounts counts = lumo::BuildCatalogue(document, tree, [&](int percent) {
    Check(percent > lastPercent && percent <= 100);
    lastPercent = percent;
  });
  Check(lastPercent == (document.SectionCount() > 0 ? 100 : 0));
  tree.root.PlaceAppended();

  Check(counts.artists == tree.root.ChildCount());
  int64_t albums = 0;
  int64_t tracks = 0;
  for (int a = 0; a < tree.root.ChildCount(); ++a) {
    const TreeItem& artist = *tree.root.Child(a);
    Check(artist.Record()->kind == ItemKind::Artist && artist.Record()->cdKey.empty());
    Check(a == 0 || CompareTreeLabels(tree.root.Child(a - 1)->LabelParts(), artist.LabelParts()) < 0);
    for (int b = 0; b < artist.ChildCount(); ++b) tracks += CheckAlbum(document, artist, *artist.Child(b));
    albums += artist.ChildCount();
  }
  int64_t sectionsWithArtist = 0;
  Check(tracks <= TrackBudget(document, sectionsWithArtist));
  Check(counts.albums == albums && albums + tree.leftOut == sectionsWithArtist);
  return 0;
}
