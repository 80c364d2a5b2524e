#include "core/collection/catalogue.h"

#include <memory>
#include <optional>
#include <string_view>

#include "core/catalogue/catalogue_item.h"
#include "core/edit/write_back.h"
#include "core/platform/atomic_file.h"
#include "core/platform/profile.h"

bool Catalogue::Load(const std::string& path, const Progress& progress) {
  history_.Clear();
  HistoryChanged();
  document_.SetFile(path);
  return document_.Load(progress);
}

lumo::SearchOutcome Catalogue::LoadAlong(const std::string& searchPath, const Progress& progress) {
  return lumo::FindCollection(searchPath, [&](const std::string& candidate) {
    Load(candidate, progress);
    return document_.LastLoadProblem();
  });
}

void Catalogue::BuildTree(lumo::CatalogueTree& tree, const Progress& progress) {
  ClearCounts();
  const lumo::CatalogueCounts counts = lumo::BuildCatalogue(document_, tree, progress);
  artistCount_ = counts.artists;
  albumCount_ = counts.albums;
}

bool Catalogue::WriteItemName(const CatalogueItem& record) {
  return Apply(lumo::write_back::ItemNameEdits(record),
               record.kind == ItemKind::Track ? "Rename Track" : "Rename Album");
}

bool Catalogue::WriteAlbumArtist(const std::string& newName, const CatalogueItem& album) {
  return RenameArtist(newName, {&album});
}

bool Catalogue::DeleteAlbum(const CatalogueItem& album, bool lastOfArtist) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits({&album}), "Delete Album")) return false;
  --albumCount_;
  if (lastOfArtist) --artistCount_;
  return true;
}

bool Catalogue::RenameArtist(const std::string& newName, const std::vector<const CatalogueItem*>& albums) {
  return Apply(lumo::write_back::ArtistNameEdits(newName, albums), "Rename Artist");
}

bool Catalogue::DeleteAlbums(const std::vector<const CatalogueItem*>& albums) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits(albums), "Delete Artist")) return false;
  albumCount_ -= static_cast<int64_t>(albums.size());
  --artistCount_;
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
