#include "core/catalogue/album_maker.h"

#include <optional>
#include <utility>

#include "core/catalogue/album_section.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_section.h"

namespace lumo {

AlbumMaker::AlbumMaker(const IniDocument& document, std::shared_ptr<const CollectionIndex> index)
    : document_(document),
      file_(document.LoadedFile()),
      index_(std::move(index)),
      texts_(document.LoadedBytes()),
      tracks_(document.LoadedBytes()) {}

std::vector<std::unique_ptr<TreeItem>> AlbumMaker::MakeChildren(const TreeItem&, int count, uint64_t token) const {
  std::vector<std::unique_ptr<TreeItem>> albums;
  albums.reserve(static_cast<std::size_t>(count));
  AlbumSection section;
  for (std::size_t album = token; album < token + static_cast<std::size_t>(count); ++album) {
    albums.push_back(MakeAlbum(album, section));
  }
  return albums;
}

std::unique_ptr<TreeItem> AlbumMaker::MakeAlbum(std::size_t album, AlbumSection& section) const {
  const std::string_view title = index_->Title(album);
  const bool held = file_ != nullptr && file_->holder == &document_;
  const IniSection* stored = held ? document_.SectionAt(index_->Section(album)) : nullptr;
  if (stored == nullptr) return std::make_unique<TreeItem>(RecordView{ItemKind::Album, title, {}, 0}, nullptr);
  section.Read(*stored);
  const RecordView record{ItemKind::Album, title, texts_.Keep(stored->Name()), 0};
  return std::make_unique<TreeItem>(record, nullptr, PendingTracks(section));
}

PendingChildren AlbumMaker::PendingTracks(const AlbumSection& album) const {
  const int count = album.TracksToShow();
  if (count == 0) return {};
  if (const std::optional<uint64_t> token = tracks_.TokenFor(album.Named())) {
    return {.maker = &tracks_, .token = *token, .count = count};
  }
  // Named in a section changed since the load: the names are copied.
  keptNames_.clear();
  for (const auto& [number, name] : album.Named()) {
    if (number < count) keptNames_.emplace_back(number, texts_.Keep(name));
  }
  return {.maker = &tracks_, .token = tracks_.Keep(keptNames_), .count = count};
}

void AlbumMaker::ForEachChildText(const TreeItem&, int count, uint64_t token,
                                  const std::function<void(int row, std::string_view text)>& visit) const {
  for (int row = 0; row < count; ++row) visit(row, index_->Title(token + static_cast<std::size_t>(row)));
}

}  // namespace lumo
