#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/code_page.h"
#include "core/platform/profile.h"

namespace lumo {

class IniDocument;

// What Replace all looks for, what it puts in its place, and where.
struct ReplaceRequest {
  std::string find;  // in the collection's code page; empty finds nothing
  std::string with;
  bool matchCase = false;  // otherwise letter case is folded as in Find
  bool artists = true;
  bool albums = true;
  bool tracks = true;
};

// Why a replace is not written: the same refusals as the edit dialog's.
enum class ReplaceRefusal {
  None,
  LineBreak,     // a line break, NUL or Ctrl-Z in a new name
  HiddenArtist,  // an artist that would read "<UNKNOWN>"
  EmptyTitle,    // an album title that would be empty
  TooLong,       // a name grown past kMaxReplacedNameBytes
};

// A name may not grow longer than this: the CD player reads names through
// a 1024-byte buffer and would cut the rest off.
inline constexpr std::size_t kMaxReplacedNameBytes = 1023;

// Every occurrence of a piece of text inside a name replaced, left to right
// and never overlapping, letter case matched or folded.
class NameReplacer {
 public:
  explicit NameReplacer(const ReplaceRequest& request);
  // The new name, or nothing when the piece does not occur in `name`, or
  // when it does in a name with bytes the code page does not define.
  std::optional<std::string> Apply(std::string_view name);
  // True when the last Apply left such a name alone.
  bool Skipped() const { return skipped_; }

 private:
  std::optional<std::string> ApplyDecoded(std::string_view name);
  std::u32string Folded(std::u32string text) const;

  std::string piece_;  // folded unless matching case
  std::string with_;
  bool matchCase_;
  CodePage page_;  // the collection's, when the replacer was made
  std::u32string pieceText_;  // other code pages: decoded, folded unless matching case
  std::u32string withText_;
  std::string folded_;  // reused for each name
  bool skipped_ = false;
};

// The outcome of planning a replace over a whole document.
struct ReplacePlan {
  // One edit per name that changes, in the document's order; empty when refused.
  profile::EditBatch edits;
  // Names the text was found in, those it leaves as they were included.
  std::size_t found = 0;
  ReplaceRefusal refusal = ReplaceRefusal::None;
  std::string refusedName;  // the name as it stands, when refused
  // Names the text was found in that hold bytes the code page does not
  // define: left as they are, since they could not be written back.
  std::size_t skipped = 0;
};

// Plans a replace in the names of every album section (duplicates left out
// of the tree included): artists, titles and the tracks the tree shows.
// A missing name is none: a missing key, or a title stored as "<UNKNOWN>".
// New names lose trailing blanks, as the edit dialog drops them; the first
// new name the edit dialog would refuse refuses the whole plan.
ReplacePlan PlanReplace(const IniDocument& document, const ReplaceRequest& request);

}  // namespace lumo
