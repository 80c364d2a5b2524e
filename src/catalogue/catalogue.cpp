#include "catalogue/catalogue.h"

#include <memory>
#include <string_view>

#include "app/lumo_tree_ctrl.h"
#include "catalogue/catalogue_item.h"
#include "catalogue/duplicate_notify.h"
#include "edit/write_back.h"

namespace {

// The build's view of the main window's tree, with the one duplicate dialog
// of a build, whose "apply to all" lasts exactly as long as the build.
class WindowTree final : public lumo::CatalogueTree {
 public:
  explicit WindowTree(LumoTreeCtrl& tree) : tree_(tree) {}

  TreeItem* AddArtist(const CatalogueItem& artist) override {
    return tree_.InsertItemWithData(artist, nullptr, InsertAt::Sort);
  }

  TreeItem* AddLast(TreeItem* parent, CatalogueItem record, std::string_view label) override {
    return tree_.InsertItemWithLabel(std::move(record), parent, InsertAt::Last, label);
  }

  bool LeaveOutDuplicate(const std::string& artist, const std::string& title) override {
    if (!duplicates_) duplicates_ = std::make_unique<DuplicateNotify>(tree_.window());
    if (duplicates_->applyToAllLatched) return duplicates_->answer == DuplicateNotify::kAnswerOk;
    // The dialog shows the names as the tree does: a huge one would freeze it.
    const int answer = duplicates_->Ask(ShortenedForDisplay({artist, {}}), ShortenedForDisplay({title, {}}));
    return answer == DuplicateNotify::kAnswerOk;
  }

 private:
  LumoTreeCtrl& tree_;
  std::unique_ptr<DuplicateNotify> duplicates_;  // made at the first duplicate
};

}  // namespace

Catalogue::Catalogue(LumoTreeCtrl* tree) : tree_(tree) {}

bool Catalogue::Load(const std::string& path, const Progress& progress) {
  document_.SetFile(path);
  return document_.Load(progress);
}

void Catalogue::BuildTree(const Progress& progress) {
  albumCount = 0;
  artistCount = 0;
  WindowTree target(*tree_);
  LumoTreeCtrl::BulkUpdate bulk(*tree_);
  const lumo::CatalogueCounts counts = lumo::BuildCatalogue(document_, target, progress);
  artistCount = counts.artists;
  albumCount = counts.albums;
}

bool Catalogue::WriteItemName(const CatalogueItem& record) {
  return Apply(lumo::write_back::ItemNameEdits(record));
}

bool Catalogue::WriteAlbumArtist(const std::string& newName, const CatalogueItem& album) {
  return RenameArtist(newName, {&album});
}

bool Catalogue::DeleteAlbum(const CatalogueItem& album) { return DeleteAlbums({&album}); }

bool Catalogue::RenameArtist(const std::string& newName, const std::vector<const CatalogueItem*>& albums) {
  return Apply(lumo::write_back::ArtistNameEdits(newName, albums));
}

bool Catalogue::DeleteAlbums(const std::vector<const CatalogueItem*>& albums) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits(albums))) return false;
  albumCount -= static_cast<int64_t>(albums.size());
  return true;
}

bool Catalogue::Apply(const std::vector<lumo::profile::Edit>& edits) {
  std::string reason;
  if (document_.ApplyEdits(edits, &reason)) return true;
  lastWriteError_ = reason;
  return false;
}

std::string Catalogue::TrackLabel(int16_t trackIndex, const std::string& name) {
  return lumo::TrackLabel(trackIndex, name);
}
