#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/profile.h"

// Runs of SetKey edits of one section, made together in one pass over the
// section's lines with the bytes the edits one at a time would give: the
// batch path of the profile functions (profile_text.h).
namespace lumo::profile {

// The line "key=value" with its line end.
std::string KeyLine(std::string_view key, std::string_view value, std::string_view lineEnd);

// The end of a run of edits that can be made together: from `begin`, the
// SetKey edits of one section in a row (at least the one at `begin`).
std::size_t RunEnd(const EditBatch& edits, std::size_t begin);

// One key of a run of SetKey edits: made one after the other, its edits
// leave the value of the last, spelt as the first that met no line of the key.
struct RunKey {
  std::string folded;
  std::string_view firstKey;  // as spelt by the key's first edit
  std::string_view firstValue;
  std::string_view lastValue;
  bool found = false;    // some line of the section holds the key
  bool changed = false;  // some edit of the key changed a byte at its turn
};

// Adds the keys of the edits [begin, end) of one section to `keys`, in the
// order of their first edit. An edit after a key's first changes a byte
// exactly when its value differs from the one before.
void AddRunKeys(const EditBatch& edits, std::size_t begin, std::size_t end, std::vector<RunKey>& keys);

// What RewriteBlock made of an occurrence of a section.
struct Rewritten {
  bool changed = false;      // when false, the occurrence stays as it was
  std::size_t insertAt = 0;  // the end of its last line that is neither blank nor a comment
};

// Gives every line of the keys in one occurrence of their section, `block`,
// the key's last value, keeping the line's indentation, key spelling and line
// end; notes which keys it met and which of their first edits changed a
// byte. The new text goes into `out` (emptied first) when it changed; where
// missing keys go is counted in the new text.
Rewritten RewriteBlock(std::string_view block, std::vector<RunKey>& keys, std::string& out);

// The lines of the keys no occurrence held, in order, which count as changes.
std::string MissingKeyLines(std::vector<RunKey>& keys, std::string_view lineEnd);

// True when any edit of the keys changed a byte at its turn.
bool AnyChanged(const std::vector<RunKey>& keys);

}  // namespace lumo::profile
