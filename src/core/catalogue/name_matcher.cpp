#include "core/catalogue/name_matcher.h"

#include <algorithm>

#include "core/platform/text_fold.h"

namespace lumo {

NameMatcher::NameMatcher(std::string_view piece, bool matchCase)
    : piece_(matchCase ? std::string(piece) : lumo::FoldCase(piece)), matchCase_(matchCase) {}

bool NameMatcher::Matches(std::string_view name) const noexcept {
  if (piece_.empty() || piece_.size() > name.size()) return false;
  if (matchCase_) return name.find(piece_) != std::string_view::npos;
  const auto same = [](char inName, char inPiece) { return lumo::FoldChar(inName) == inPiece; };
  return std::search(name.begin(), name.end(), piece_.begin(), piece_.end(), same) != name.end();
}

}  // namespace lumo
