#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Finding a piece of text inside names, compared as Windows-1252 bytes:
// letter case ignored with the same folding as INI names, unless asked to
// match it. An empty piece matches nothing.
class NameMatcher {
 public:
  NameMatcher(std::string_view piece, bool matchCase);

  // True when the piece occurs anywhere in `name`.
  bool Matches(std::string_view name) const noexcept;

 private:
  std::string piece_;  // folded unless matching case
  bool matchCase_;
};

}  // namespace lumo
