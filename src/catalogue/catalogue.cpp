#include "catalogue/catalogue.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unordered_map>
#include <utility>

#include "app/lumo_tree_ctrl.h"
#include "catalogue/catalogue_item.h"
#include "catalogue/duplicate_notify.h"
#include "edit/write_back.h"

namespace {

constexpr char kUnknown[] = "<UNKNOWN>";

// Albums are duplicates when artist and title are both equal; the pair is
// kept apart so that "AB" + "C" never matches "A" + "BC".
struct AlbumKey {
  std::string artist;
  std::string title;
  bool operator==(const AlbumKey&) const = default;
};

struct AlbumKeyHash {
  std::size_t operator()(const AlbumKey& key) const noexcept {
    std::size_t h = std::hash<std::string>{}(key.artist);
    return h ^ (std::hash<std::string>{}(key.title) + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2));
  }
};

// The state of one build: the two lookup maps and the one duplicate dialog,
// whose latch lasts exactly as long as the build.
class TreeBuild {
 public:
  TreeBuild(LumoTreeCtrl& tree, int16_t& artistCount, int16_t& albumCount)
      : tree_(tree), artistCount_(artistCount), albumCount_(albumCount) {}

  void AddSection(const lumo::IniSection& section) {
    std::string artist = section.GetString("artist", kUnknown);
    if (artist == kUnknown) return;
    TreeItem* artistItem = ArtistItem(artist);
    CatalogueItem album{ItemKind::Album, section.GetString("title", kUnknown), section.GetName(), 0};
    AlbumKey key{artist, album.text};
    if (albums_.count(key) != 0 && AnswerForDuplicate(key) == DuplicateNotify::kAnswerOk) return;
    ++albumCount_;
    TreeItem* albumItem = tree_.InsertItemWithData(album, artistItem, InsertAt::Last);
    albums_.insert_or_assign(std::move(key), albumItem);
    AddTracks(section, albumItem);
  }

 private:
  TreeItem* ArtistItem(const std::string& artist) {
    auto found = artists_.find(artist);
    if (found != artists_.end()) return found->second;
    ++artistCount_;
    TreeItem* item = tree_.InsertItemWithData({ItemKind::Artist, artist, {}, 0}, nullptr, InsertAt::Sort);
    artists_.emplace(artist, item);
    return item;
  }

  int AnswerForDuplicate(const AlbumKey& key) {
    if (!duplicates_) duplicates_ = std::make_unique<DuplicateNotify>(tree_.window());
    if (duplicates_->applyToAllLatched) return duplicates_->answer;
    return duplicates_->Ask(key.artist, key.title);
  }

  void AddTracks(const lumo::IniSection& section, TreeItem* albumItem) {
    int count = std::min<int32_t>(section.GetInt("numtracks", 0), Catalogue::kMaxTracks);
    for (int i = 0; i < count; ++i) {
      auto index = static_cast<int16_t>(i);
      CatalogueItem track{ItemKind::Track, section.GetString(std::to_string(i), "?"), section.GetName(), index};
      TreeItem* item = tree_.InsertItemWithData(track, albumItem, InsertAt::Last);
      tree_.SetItemText(item, Catalogue::TrackLabel(index, track.text));
    }
  }

  LumoTreeCtrl& tree_;
  int16_t& artistCount_;
  int16_t& albumCount_;
  std::unordered_map<std::string, TreeItem*> artists_;
  std::unordered_map<AlbumKey, TreeItem*, AlbumKeyHash> albums_;
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
  TreeBuild build(*tree_, artistCount, albumCount);
  LumoTreeCtrl::BulkUpdate bulk(*tree_);
  const std::size_t total = std::max<std::size_t>(1, document_.SectionCount());
  std::size_t done = 0;
  int reported = 0;
  lumo::IniSection section;
  for (auto position = document_.FirstSection(); position;) {
    document_.NextSection(position, section);
    build.AddSection(section);
    int percent = static_cast<int>(++done * 100 / total);
    if (progress && percent > reported) progress(reported = percent);
  }
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
  albumCount = static_cast<int16_t>(albumCount - static_cast<int>(albums.size()));
  return true;
}

bool Catalogue::Apply(const std::vector<lumo::profile::Edit>& edits) {
  std::string reason;
  if (document_.ApplyEdits(edits, &reason)) return true;
  lastWriteError_ = reason;
  return false;
}

std::string Catalogue::TrackLabel(int16_t trackIndex, const std::string& name) {
  char number[16];
  std::snprintf(number, sizeof number, "%2d. ", trackIndex + 1);
  return number + name;
}
