#include "core/catalogue/name_matcher.h"

#include <algorithm>

#include "core/platform/text_fold.h"

namespace lumo {

NameMatcher::NameMatcher(std::string_view piece, bool matchCase) : matchCase_(matchCase), page_(CollectionCodePage()) {
  if (!page_.IsWindows1252()) {
    piece_ = page_.ToUtf8(piece);
    if (!matchCase_) piece_ = CodePage::FoldKeyOfUtf8(piece_);
  } else {
    piece_ = matchCase ? std::string(piece) : lumo::FoldCase(piece);
  }
}

bool NameMatcher::Matches(std::string_view name) const {
  if (piece_.empty()) return false;
  if (!page_.IsWindows1252()) {
    // UTF-8 finds whole characters only; a key's undefined-byte tail holds
    // no UTF-8 a piece could match across.
    const std::string text = page_.ToUtf8(name);
    return (matchCase_ ? text : CodePage::FoldKeyOfUtf8(text)).find(piece_) != std::string::npos;
  }
  if (piece_.size() > name.size()) return false;
  if (matchCase_) return name.find(piece_) != std::string_view::npos;
  const auto same = [](char inName, char inPiece) { return lumo::FoldChar(inName) == inPiece; };
  return std::search(name.begin(), name.end(), piece_.begin(), piece_.end(), same) != name.end();
}

}  // namespace lumo
