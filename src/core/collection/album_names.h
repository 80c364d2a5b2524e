#pragma once

#include <string_view>
#include <vector>

namespace lumo {

class IniDocument;
class IniSection;

// An album section as the tree tells albums apart: its artist and its title
// ("<UNKNOWN>" when missing). The views are valid while the document stays
// unchanged.
struct AlbumIdentity {
  const IniSection* section = nullptr;
  std::string_view artist;
  std::string_view title;
};

// Every album section of the document in the order the load meets them,
// each read in one pass over its keys for its artist and title alone.
std::vector<AlbumIdentity> AlbumIdentities(const IniDocument& document);

}  // namespace lumo
