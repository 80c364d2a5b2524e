#include "core/collection/similar_artists.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "core/catalogue/tree_item.h"
#include "core/collection/album_names.h"
#include "core/ini/ini_document.h"
#include "core/platform/code_page.h"

namespace lumo {
namespace {

constexpr std::string_view kIgnored = " \t.,;:!?'\"-&/()";

bool LabelLess(const std::string& a, const std::string& b) { return CompareTreeLabels(a, b) < 0; }

}  // namespace

std::string SimilarArtistKey(std::string_view artist) {
  std::string folded = CollectionCodePage().FoldKey(artist);
  std::string_view rest = folded;
  if (rest.starts_with("the ")) {
    rest.remove_prefix(4);
  } else if (rest.ends_with(", the")) {
    rest.remove_suffix(5);
  }
  std::string key;
  key.reserve(rest.size());
  for (char c : rest) {
    if (kIgnored.find(c) == std::string_view::npos) key += c;
  }
  return key;
}

std::vector<std::vector<std::string>> FindSimilarArtists(const IniDocument& document) {
  return FindSimilarArtists(AlbumIdentities(document));
}

std::vector<std::vector<std::string>> FindSimilarArtists(const std::vector<AlbumIdentity>& albums) {
  std::unordered_set<std::string_view> artists;
  for (const AlbumIdentity& album : albums) artists.insert(album.artist);
  std::unordered_map<std::string, std::vector<std::string>> byKey;
  for (std::string_view artist : artists) {
    std::string key = SimilarArtistKey(artist);
    if (!key.empty()) byKey[std::move(key)].emplace_back(artist);
  }
  std::vector<std::vector<std::string>> groups;
  for (auto& [key, spellings] : byKey) {
    if (spellings.size() < 2) continue;
    std::sort(spellings.begin(), spellings.end(), LabelLess);
    groups.push_back(std::move(spellings));
  }
  std::sort(groups.begin(), groups.end(), [](const auto& a, const auto& b) { return LabelLess(a.front(), b.front()); });
  return groups;
}

std::vector<profile::Edit> ArtistMergeEdits(const IniDocument& document, const std::vector<std::string>& spellings,
                                            const std::string& chosen) {
  const std::unordered_set<std::string_view> merged(spellings.begin(), spellings.end());
  std::vector<profile::Edit> edits;
  for (const AlbumIdentity& album : AlbumIdentities(document)) {
    if (album.artist != chosen && merged.contains(album.artist)) {
      edits.push_back(profile::Edit::Set(album.section->GetName(), "artist", chosen));
    }
  }
  return edits;
}

}  // namespace lumo
