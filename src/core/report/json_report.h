#pragma once

#include <string>

#include "core/catalogue/collection_walk.h"

namespace lumo {

// The collection as UTF-8 JSON (RFC 8259), in the tree's order:
//   {"artists": [{"name": "…", "albums": [{"cdKey": "…", "title": "…",
//     "tracks": ["…", null, …]}, …]}, …]}
// A missing title or track name is null. Names are in the collection's code page
// and come out as UTF-8; quotes, backslashes and control characters are escaped. The
// file is written as the walk goes, aside, and put in place whole; throws
// lumo::FileException as the CSV writer does (step Open when the file
// cannot be made, Write when a write or the close fails), and an earlier
// file at the path then stays as it was.
void WriteJsonReport(const RecordWalk& walk, const std::string& path);

}  // namespace lumo
