#pragma once

#include <string>

#include "core/collection/collection_finder.h"

namespace lumo {

// Why a load came to nothing, in a message box with the program's words.

// After a search along the path: a candidate passed over as too large, or
// the first that existed and could not be read. False, and no box, when
// there is nothing to say (loaded, or nothing found).
bool TellWhyNotLoaded(const SearchOutcome& search);

// After a file named by the user (File > Open, a recent file, the command
// line, a hand-over, a drop) failed to load: not found, too large, or not a
// file that can be read (a folder, a pipe or a device, no permission).
void TellWhyNotOpened(const std::string& path, const SearchOutcome& outcome);

}  // namespace lumo
