#pragma once

#include <string>
#include <string_view>

#include "core/platform/code_page.h"

namespace lumo {

// Finding a piece of text inside names, in the collection's code page:
// letter case ignored unless asked to match it. Windows-1252 compares bytes
// with the same folding as INI names; other code pages compare the decoded
// text, folded by Unicode simple case folding, so that the second byte of a
// double-byte character never matches on its own. An empty piece matches
// nothing.
class NameMatcher {
 public:
  NameMatcher(std::string_view piece, bool matchCase);

  // True when the piece occurs anywhere in `name`.
  bool Matches(std::string_view name) const;

 private:
  std::string piece_;  // folded unless matching case; UTF-8 for other code pages
  bool matchCase_;
  CodePage page_;
};

}  // namespace lumo
