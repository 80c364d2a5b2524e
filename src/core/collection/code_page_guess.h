#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace lumo {

class IniDocument;

// The most names GuessCollectionCodePage reads: enough to judge any
// collection, few enough to cost nothing beside its load.
inline constexpr std::size_t kCodePageGuessSample = 4096;

// The Windows code page that `names` (raw bytes, as read from a file loaded
// as Windows-1252) plainly look typed in: 932 (Japanese, Shift-JIS), 1251
// (Cyrillic), 1253 (Greek) or 1250 (Central European, recognised by Polish
// letters); 0 when they look like Windows-1252, or when the evidence is thin
// or mixed. Names of plain ASCII count for nothing, as they read the same in
// each; of the others, at least three and most of them must point to the
// same code page (a third for Polish, as its other letters look Western).
// Never throws.
int GuessCodePage(const std::vector<std::string_view>& names);

// GuessCodePage over the artists, titles and track names of the document's
// albums, in enumeration order, at most kCodePageGuessSample of them.
int GuessCollectionCodePage(const IniDocument& document);

}  // namespace lumo
