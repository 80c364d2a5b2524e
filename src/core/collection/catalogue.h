#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_build.h"
#include "core/collection/collection_finder.h"
#include "core/edit/undo_history.h"
#include "core/ini/ini_document.h"
#include "core/platform/message_id.h"

namespace lumo {

struct CatalogueItem;

// The data side of the main window: the loaded cdplayer.ini, its undo
// history and the counts of what the tree shows. The tree itself is the
// model of artists, albums and tracks (an album's artist is its parent
// item); the catalogue fills it through lumo::CatalogueTree and never
// sees a widget.
class Catalogue {
 public:
  using Progress = std::function<void(int percent)>;

  // Track items per album at most (see lumo::TracksToShow for the rest of the bound).
  static constexpr int kMaxTracks = lumo::kMaxTracks;

  Catalogue() = default;

  // Points the document at `path` and reads it. True when the file was
  // opened and read; on failure the document is in pass-through mode and the
  // counts and the tree are untouched. `progress` follows the reading.
  bool Load(const std::string& path, const Progress& progress = {});
  // Loads the first cdplayer.ini along `searchPath` that loads
  // (lumo::FindCollection); on failure nothing is loaded.
  lumo::SearchOutcome LoadAlong(const std::string& searchPath, const Progress& progress = {});

  // Loads the one file at `path` (lumo::LoadOne). On failure the loaded
  // file, its history and the counts stay as they were.
  lumo::SearchOutcome Open(const std::string& path, const Progress& progress = {});

  // Fills the (empty) `tree` from the document's sections: artists in
  // alphabetical order, each with its albums in document order, each album
  // with its tracks (lumo::BuildCatalogue), and sets the counts. The tree
  // decides about duplicate albums; `progress` follows the sections done.
  void BuildTree(lumo::CatalogueTree& tree, const Progress& progress = {});
  // The counts of an empty tree, for when nothing is loaded.
  void ClearCounts() { albumCount_ = artistCount_ = 0; }

  // Writing back into cdplayer.ini. Each call is one all-or-nothing change
  // of the file: made in the file first and in the document only when the
  // file took it. On failure neither changes, the counts stay, and
  // LastWriteError() says why. The records are only read.

  // The name of an album or track record under its key (KeyName).
  bool WriteItemName(const CatalogueItem& record);
  // "artist" = `newName`, then "title" = the album's title, in its section.
  bool WriteAlbumArtist(const std::string& newName, const CatalogueItem& album);
  // Removes the album's section; on success the album count goes down by
  // one, and the artist count too when it was the artist's last album.
  bool DeleteAlbum(const CatalogueItem& album, bool lastOfArtist);
  // WriteAlbumArtist for each album in turn, as one change.
  bool RenameArtist(const std::string& newName, const std::vector<const CatalogueItem*>& albums);
  // DeleteAlbum for each album of one artist, as one change (named for the
  // undo list as the deletion of the artist, who leaves the counts).
  bool DeleteAlbums(const std::vector<const CatalogueItem*>& albums);

  // Replaces the whole file with `text` (made from the bytes the document
  // last read or wrote), as one change named `stepName` for the undo list;
  // refused like Undo when the file is no longer what this program last
  // wrote. After a success the document holds `text` and the caller
  // rebuilds the tree.
  bool Rewrite(std::string text, const char* stepName);
  // Cleaning up. Each is one change of the file like those above, after
  // which the caller builds the tree again (the counts come with it).
  // Removes the section of one copy of a duplicate album.
  bool DeleteDuplicate(const std::string& cdKey);
  // Gives every album whose artist is one of `spellings` the artist `chosen`.
  bool MergeArtists(const std::vector<std::string>& spellings, const std::string& chosen);
  // Writes the edits a replace planned (lumo::PlanReplace).
  bool ReplaceNames(const lumo::profile::EditBatch& edits);

  // Every change above is kept so that it can be taken back and done again,
  // for as long as this file stays loaded. Undo and Redo are one
  // all-or-nothing replacement of the file each, refused (false, with
  // LastWriteError(), nothing changed) when the file is no longer what this
  // program last wrote. After a success the document has been read again
  // and the caller rebuilds the tree.
  bool Undo();
  bool Redo();
  const UndoHistory& History() const { return history_; }
  // Called whenever the history changes (a change, an undo, a redo, a load).
  void SetHistoryListener(std::function<void()> listener) { historyListener_ = std::move(listener); }

  // Why the last failed write failed (an id of the Write... family and the
  // file); no failure before any.
  const lumo::Message& LastWriteError() const { return lastWriteError_; }

  lumo::IniDocument& Document() { return *document_; }
  const lumo::IniDocument& Document() const { return *document_; }

  // What the tree shows, kept here alone: set by a build, lowered by the
  // deletions above. 64-bit: a big collection must never show a count that
  // has wrapped round.
  int64_t AlbumCount() const { return albumCount_; }
  int64_t ArtistCount() const { return artistCount_; }

 private:
  bool Apply(const std::vector<lumo::profile::Edit>& edits, const char* stepName);
  bool Apply(const lumo::profile::EditBatch& edits, const char* stepName);
  bool Replay(bool undo);
  // The undo step from `before` to the bytes the document now holds.
  FilePatch PatchSince(std::shared_ptr<const std::string> before) const;
  // Puts `wanted` in place of the file if it still holds what the document
  // last read or wrote, and takes it as read; else sets LastWriteError().
  bool ReplaceFile(std::string wanted);

  std::unique_ptr<lumo::IniDocument> document_ = std::make_unique<lumo::IniDocument>();
  void HistoryChanged() const {
    if (historyListener_) historyListener_();
  }

  UndoHistory history_;
  std::function<void()> historyListener_;
  lumo::Message lastWriteError_;
  int64_t albumCount_ = 0;
  int64_t artistCount_ = 0;
};

}  // namespace lumo
