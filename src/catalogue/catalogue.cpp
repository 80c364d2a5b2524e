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
#include "platform/atomic_file.h"
#include "platform/profile.h"

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
  TreeBuild(LumoTreeCtrl& tree, int16_t& artistCount, int16_t& albumCount, bool ask)
      : tree_(tree), artistCount_(artistCount), albumCount_(albumCount), ask_(ask) {}

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
    if (!ask_) return DuplicateNotify::kAnswerOk;
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
  bool ask_;
  std::unique_ptr<DuplicateNotify> duplicates_;  // made at the first duplicate
};

// Said when Undo or Redo finds a file that is not the one this program wrote.
constexpr char kChangedElsewhere[] =
    "The file was changed by another program since Lumo last wrote it. Choose Refresh to read it again.";

}  // namespace

Catalogue::Catalogue(LumoTreeCtrl* tree) : tree_(tree) {}

bool Catalogue::Load(const std::string& path, const Progress& progress) {
  history_.Clear();
  HistoryChanged();
  document_.SetFile(path);
  return document_.Load(progress);
}

void Catalogue::BuildTree(const Progress& progress) {
  albumCount = 0;
  artistCount = 0;
  TreeBuild build(*tree_, artistCount, albumCount, askAboutDuplicates_);
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
  return Apply(lumo::write_back::ItemNameEdits(record),
               record.kind == ItemKind::Track ? "Rename Track" : "Rename Album");
}

bool Catalogue::WriteAlbumArtist(const std::string& newName, const CatalogueItem& album) {
  return RenameArtist(newName, {&album});
}

bool Catalogue::DeleteAlbum(const CatalogueItem& album) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits({&album}), "Delete Album")) return false;
  --albumCount;
  return true;
}

bool Catalogue::RenameArtist(const std::string& newName, const std::vector<const CatalogueItem*>& albums) {
  return Apply(lumo::write_back::ArtistNameEdits(newName, albums), "Rename Artist");
}

bool Catalogue::DeleteAlbums(const std::vector<const CatalogueItem*>& albums) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits(albums), "Delete Artist")) return false;
  albumCount = static_cast<int16_t>(albumCount - static_cast<int>(albums.size()));
  return true;
}

// The file's bytes before and after each change make its undo step. A file
// that cannot be read back leaves nothing to undo safely: the list is
// emptied rather than holding a step that would not fit.
bool Catalogue::Apply(const std::vector<lumo::profile::Edit>& edits, const char* stepName) {
  using lumo::platform::ReadStatus;
  std::string before, after, reason;
  const std::string path = lumo::profile::ResolvePath(document_.GetFile());
  const bool haveBefore = lumo::platform::ReadFileBytes(path, before) == ReadStatus::Read;
  if (!document_.ApplyEdits(edits, &reason)) {
    lastWriteError_ = reason;
    return false;
  }
  if (haveBefore && lumo::platform::ReadFileBytes(path, after) == ReadStatus::Read) {
    if (before != after) history_.Record(stepName, FilePatch::Between(before, after));
  } else {
    history_.Clear();
  }
  HistoryChanged();
  return true;
}

bool Catalogue::Undo() { return Replay(true); }
bool Catalogue::Redo() { return Replay(false); }

bool Catalogue::Replay(bool undo) {
  const UndoHistory::Step* step = undo ? history_.NextUndo() : history_.NextRedo();
  if (step == nullptr) return false;
  std::string current;
  if (lumo::platform::ReadFileBytes(lumo::profile::ResolvePath(document_.GetFile()), current) !=
      lumo::platform::ReadStatus::Read) {
    lastWriteError_ = "The file cannot be read.";
    return false;
  }
  const auto wanted = undo ? step->patch.Revert(current) : step->patch.Reapply(current);
  if (!wanted) {
    lastWriteError_ = kChangedElsewhere;
    return false;
  }
  const auto target = lumo::platform::FollowLinks(lumo::profile::ResolvePath(document_.GetFile()));
  if (!target || !lumo::platform::ReplaceFileContents(*target, *wanted, &lastWriteError_)) return false;
  if (undo) {
    history_.MarkUndone();
  } else {
    history_.MarkRedone();
  }
  document_.Load();
  HistoryChanged();
  return true;
}

std::string Catalogue::TrackLabel(int16_t trackIndex, const std::string& name) {
  char number[16];
  std::snprintf(number, sizeof number, "%2d. ", trackIndex + 1);
  return number + name;
}
