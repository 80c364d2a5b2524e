#include "core/collection/catalogue.h"

#include "core/platform/translatable.h"

#include <memory>
#include <optional>
#include <string_view>

#include "core/catalogue/catalogue_item.h"
#include "core/collection/similar_artists.h"
#include "core/edit/write_back.h"
#include "core/platform/profile.h"

namespace lumo {

bool Catalogue::Load(const std::string& path, const Progress& progress) {
  history_.Clear();
  HistoryChanged();
  document_->SetFile(path);
  return document_->Load(progress);
}

lumo::SearchOutcome Catalogue::LoadAlong(const std::string& searchPath, const Progress& progress) {
  return lumo::FindCollection(searchPath, [&](const std::string& candidate) {
    Load(candidate, progress);
    return document_->LastLoadProblem();
  });
}

// Read into a document of its own, which takes the place of the loaded one
// only once it has loaded.
lumo::SearchOutcome Catalogue::Open(const std::string& path, const Progress& progress) {
  auto fresh = std::make_unique<lumo::IniDocument>();
  lumo::SearchOutcome outcome = lumo::LoadOne(path, lumo::LoaderInto(*fresh, progress));
  if (outcome.verdict == lumo::SearchVerdict::Loaded) {
    document_ = std::move(fresh);
    history_.Clear();
    HistoryChanged();
  }
  return outcome;
}

void Catalogue::BuildTree(lumo::CatalogueTree& tree, const Progress& progress) {
  ClearCounts();
  const lumo::CatalogueCounts counts = lumo::BuildCatalogue(*document_, tree, progress);
  artistCount_ = counts.artists;
  albumCount_ = counts.albums;
}

bool Catalogue::WriteItemName(const CatalogueItem& record) {
  return Apply(lumo::write_back::ItemNameEdits(record),
               record.kind == ItemKind::Track ? LUMO_TRANSLATE_NOOP("Undo", "Rename Track") : LUMO_TRANSLATE_NOOP("Undo", "Rename Album"));
}

bool Catalogue::WriteAlbumArtist(const std::string& newName, const CatalogueItem& album) {
  return RenameArtist(newName, {&album});
}

bool Catalogue::DeleteAlbum(const CatalogueItem& album, bool lastOfArtist) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits({&album}), LUMO_TRANSLATE_NOOP("Undo", "Delete Album"))) return false;
  --albumCount_;
  if (lastOfArtist) --artistCount_;
  return true;
}

bool Catalogue::RenameArtist(const std::string& newName, const std::vector<const CatalogueItem*>& albums) {
  return Apply(lumo::write_back::ArtistNameEdits(newName, albums), LUMO_TRANSLATE_NOOP("Undo", "Rename Artist"));
}

bool Catalogue::DeleteAlbums(const std::vector<const CatalogueItem*>& albums) {
  if (!Apply(lumo::write_back::AlbumRemovalEdits(albums), LUMO_TRANSLATE_NOOP("Undo", "Delete Artist"))) return false;
  albumCount_ -= static_cast<int64_t>(albums.size());
  --artistCount_;
  return true;
}

bool Catalogue::DeleteDuplicate(const std::string& cdKey) {
  return Apply({lumo::profile::Edit::Remove(cdKey)}, LUMO_TRANSLATE_NOOP("Undo", "Delete Duplicate"));
}

bool Catalogue::MergeArtists(const std::vector<std::string>& spellings, const std::string& chosen) {
  return Apply(lumo::ArtistMergeEdits(*document_, spellings, chosen), LUMO_TRANSLATE_NOOP("Undo", "Merge Artists"));
}

bool Catalogue::ReplaceNames(const lumo::profile::EditBatch& edits) { return Apply(edits, LUMO_TRANSLATE_NOOP("Undo", "Replace")); }

bool Catalogue::Apply(const std::vector<lumo::profile::Edit>& edits, const char* stepName) {
  return Apply(lumo::profile::EditBatch(edits), stepName);
}

// The file's bytes before and after each change make its undo step; the
// document hands over the old bytes, which it compared with the disk.
bool Catalogue::Apply(const lumo::profile::EditBatch& edits, const char* stepName) {
  std::shared_ptr<const std::string> before;
  if (!document_->ApplyEditBatch(edits, &lastWriteError_, &before)) return false;
  if (!document_->IsLoaded()) {
    history_.Clear();
  } else if (before) {
    history_.Record(stepName, PatchSince(std::move(before)));
  }
  HistoryChanged();
  return true;
}

// A large batch leaves the document holding the written bytes as loaded
// (IniDocument::ApplyEditBatch), shared: the step shares them and keeps the
// old bytes whole, rather than comparing two files that differ everywhere.
FilePatch Catalogue::PatchSince(std::shared_ptr<const std::string> before) const {
  std::shared_ptr<const std::string> after = document_->LoadedBytes();
  if (after == nullptr || after.get() != &document_->FileBytes()) return FilePatch::Between(*before, document_->FileBytes());
  return FilePatch::Whole(std::move(before), std::move(after));
}

bool Catalogue::Undo() { return Replay(true); }
bool Catalogue::Redo() { return Replay(false); }

// Undo and Redo write only over the very bytes this program last wrote: the
// step is taken from them, and the file must still hold them until the new
// bytes are in place.
bool Catalogue::Replay(bool undo) {
  const UndoHistory::Step* step = undo ? history_.NextUndo() : history_.NextRedo();
  if (step == nullptr || !document_->IsLoaded()) return false;
  const std::string& known = document_->FileBytes();
  std::optional<std::string> wanted = undo ? step->patch.Revert(known) : step->patch.Reapply(known);
  if (!wanted) {
    lastWriteError_ = {lumo::MessageId::WriteChangedMeanwhile, lumo::profile::ResolvePath(document_->GetFile()), 0};
    return false;
  }
  if (!ReplaceFile(std::move(*wanted))) return false;
  if (undo) {
    history_.MarkUndone();
  } else {
    history_.MarkRedone();
  }
  HistoryChanged();
  return true;
}

bool Catalogue::ReplaceFile(std::string wanted) {
  std::optional<std::string> written;
  lumo::Message failure = document_->ReplaceFileWith(std::move(wanted), &written);
  if (failure.Failed()) {
    lastWriteError_ = std::move(failure);
    return false;
  }
  document_->Adopt(std::move(*written));
  return true;
}

bool Catalogue::Rewrite(std::string text, const char* stepName) {
  if (!document_->IsLoaded()) return false;
  const std::string before = document_->FileBytes();
  if (!ReplaceFile(std::move(text))) return false;
  history_.Record(stepName, FilePatch::Between(before, document_->FileBytes()));
  HistoryChanged();
  return true;
}

}  // namespace lumo
