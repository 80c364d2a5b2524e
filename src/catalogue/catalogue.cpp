#include "catalogue/catalogue.h"

#include <memory>
#include <optional>
#include <string_view>

#include "app/lumo_tree_ctrl.h"
#include "catalogue/catalogue_item.h"
#include "catalogue/duplicate_notify.h"
#include "edit/write_back.h"
#include "platform/atomic_file.h"
#include "platform/profile.h"

namespace {

// The build's view of the main window's tree, with the one duplicate dialog
// of a build, whose "apply to all" lasts exactly as long as the build.
class WindowTree final : public lumo::CatalogueTree {
 public:
  WindowTree(LumoTreeCtrl& tree, bool ask) : tree_(tree), ask_(ask) {}

  void KeepTexts(std::shared_ptr<const void> texts) override { tree_.KeepTexts(std::move(texts)); }

  TreeItem* AddArtist(const RecordView& artist) override {
    return tree_.InsertLeanItem(artist, nullptr, InsertAt::Sort);
  }

  TreeItem* AddLast(TreeItem* parent, const RecordView& record, const PendingChildren& pending) override {
    return tree_.InsertLeanItem(record, parent, InsertAt::Last, pending);
  }

  bool LeaveOutDuplicate(std::string_view artist, std::string_view title) override {
    if (!ask_) return true;
    if (!duplicates_) duplicates_ = std::make_unique<DuplicateNotify>(tree_.window());
    if (duplicates_->applyToAllLatched) return duplicates_->answer == DuplicateNotify::kAnswerOk;
    // The dialog shows the names as the tree does: a huge one would freeze it.
    const int answer = duplicates_->Ask(ShortenedForDisplay({artist, {}}), ShortenedForDisplay({title, {}}));
    return answer == DuplicateNotify::kAnswerOk;
  }

 private:
  LumoTreeCtrl& tree_;
  bool ask_;
  std::unique_ptr<DuplicateNotify> duplicates_;  // made at the first duplicate
};

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
  WindowTree target(*tree_, askAboutDuplicates_);
  LumoTreeCtrl::BulkUpdate bulk(*tree_);
  const lumo::CatalogueCounts counts = lumo::BuildCatalogue(document_, target, progress);
  artistCount = counts.artists;
  albumCount = counts.albums;
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
  albumCount -= static_cast<int64_t>(albums.size());
  return true;
}

// The file's bytes before and after each change make its undo step; the
// document hands over the old bytes, which it compared with the disk.
bool Catalogue::Apply(const std::vector<lumo::profile::Edit>& edits, const char* stepName) {
  std::optional<std::string> before;
  std::string reason;
  if (!document_.ApplyEdits(edits, &reason, &before)) {
    lastWriteError_ = reason;
    return false;
  }
  if (!document_.IsLoaded()) {
    history_.Clear();
  } else if (before) {
    history_.Record(stepName, FilePatch::Between(*before, document_.FileBytes()));
  }
  HistoryChanged();
  return true;
}

bool Catalogue::Undo() { return Replay(true); }
bool Catalogue::Redo() { return Replay(false); }

// Undo and Redo write only over the very file this program last wrote, and
// the stamp it was read with must hold until the new one is renamed in.
bool Catalogue::Replay(bool undo) {
  using lumo::platform::ReadStatus;
  const UndoHistory::Step* step = undo ? history_.NextUndo() : history_.NextRedo();
  if (step == nullptr || !document_.IsLoaded()) return false;
  const std::string path = lumo::profile::ResolvePath(document_.GetFile());
  std::string current;
  lumo::platform::FileStamp stamp;
  if (lumo::platform::ReadFileBytes(path, current, lumo::profile::kMaxDataFileBytes, &stamp) != ReadStatus::Read) {
    lastWriteError_ = "The file cannot be read.";
    return false;
  }
  auto wanted = current != document_.FileBytes() ? std::nullopt
                      : undo                            ? step->patch.Revert(current)
                                                        : step->patch.Reapply(current);
  if (!wanted) {
    lastWriteError_ = lumo::platform::kChangedByAnotherProgram;
    return false;
  }
  const auto target = lumo::platform::FollowLinks(path);
  if (!target || !lumo::platform::ReplaceFileContents(*target, *wanted, &lastWriteError_, &stamp)) return false;
  if (undo) {
    history_.MarkUndone();
  } else {
    history_.MarkRedone();
  }
  document_.Adopt(std::move(*wanted));
  HistoryChanged();
  return true;
}

std::string Catalogue::TrackLabel(int16_t trackIndex, const std::string& name) {
  return lumo::TrackLabel(trackIndex, name);
}
