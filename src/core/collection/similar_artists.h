#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/collection/album_names.h"
#include "core/platform/profile.h"

namespace lumo {

class IniDocument;

// The form in which artist names are compared for likeness: letter case
// folded as the tree sorts, a leading "The " or a trailing ", The" dropped,
// then blanks and . , ; : ! ? ' " - & / ( ) removed.
std::string SimilarArtistKey(std::string_view artist);

// Artist spellings of the albums in the document (as the tree shows
// them) that share one non-empty SimilarArtistKey: every group has at least
// two, in the tree's label order; the groups are ordered by their first.
std::vector<std::vector<std::string>> FindSimilarArtists(const IniDocument& document);
// The same from the document's albums as AlbumIdentities read them.
std::vector<std::vector<std::string>> FindSimilarArtists(const std::vector<AlbumIdentity>& albums);

// The edits that give every album whose artist is one of `spellings` the
// artist `chosen`, duplicates left out of the tree included; albums already
// so named are left alone.
std::vector<profile::Edit> ArtistMergeEdits(const IniDocument& document, const std::vector<std::string>& spellings,
                                            const std::string& chosen);

}  // namespace lumo
