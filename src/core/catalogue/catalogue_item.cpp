#include "core/catalogue/catalogue_item.h"

namespace lumo {

std::string CatalogueItem::KeyName() const {
  switch (kind) {
    case ItemKind::Artist: return "artist";
    case ItemKind::Album: return "title";
    case ItemKind::Track: return std::to_string(trackIndex);
  }
  return {};
}

}  // namespace lumo
