#pragma once

#include <string>
#include <vector>

#include "core/platform/message_id.h"

namespace lumo {

class IniDocument;

// A section of the other file whose CD key the loaded file already has: it
// is left out, and the loaded file's section stays as it was. Texts are the
// files' own bytes; a missing artist or title is "<UNKNOWN>".
struct KeptSection {
  std::string cdKey;
  std::string ourArtist;
  std::string ourTitle;
  std::string theirArtist;
  std::string theirTitle;
};

// What importing another cdplayer.ini into the loaded one makes.
struct MergePlan {
  std::string text;                // the loaded file's bytes with the new sections
  int added = 0;                   // sections appended
  std::vector<KeptSection> kept;   // in the other file's order
};

// Appends to the loaded file's bytes (`ours`, as last read or written)
// every section of the other file (`theirs`, loaded) whose name, compared
// as the load compares section names, `ours` lacks, in the other file's
// order, with their lines as they are but for the line ends, which become
// those of the loaded file. They go in before a Ctrl-Z that ends the loaded
// file's text, and every byte of the loaded file stays. What precedes the
// other file's first header, and whatever follows its own Ctrl-Z, belongs
// to no section and is left.
MergePlan PlanMerge(const IniDocument& ours, const IniDocument& theirs);

// Why the loaded `theirs` may not be imported into `ours`: it is the same
// file (ImportSameFile), or it holds NUL bytes (ImportNotText); no failure
// when it may.
Message ImportRefusal(const IniDocument& ours, const IniDocument& theirs);

}  // namespace lumo
