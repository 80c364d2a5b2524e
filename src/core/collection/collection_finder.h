#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/ini/ini_document.h"

namespace lumo {

// The name the CD player gave its file.
inline constexpr char kCollectionFileName[] = "cdplayer.ini";

enum class SearchVerdict { Loaded, NotFound, TooLarge, CannotRead };

// What a search along the search path came to.
struct SearchOutcome {
  SearchVerdict verdict = SearchVerdict::NotFound;
  // Loaded: the file loaded. TooLarge, CannotRead: the first candidate that
  // existed and could not be loaded. NotFound: empty.
  std::string path;
  // Loaded: a candidate before it that was there but too large, which the
  // user is told of all the same; empty when there was none.
  std::string passedOverAsTooLarge;
};

// Loads one candidate and says what stood in the way (None: loaded).
using CandidateLoader = std::function<IniDocument::LoadProblem(const std::string& path)>;

// The loader that points `document` at each candidate and reads it, with
// `progress` following the reading; the document must outlive the loader.
CandidateLoader LoaderInto(IniDocument& document, const IniDocument::ProgressHook& progress = {});

// The names to try for `candidate` (a folder, a separator, cdplayer.ini):
// the candidate itself first, then every other entry of its folder whose
// name equals cdplayer.ini but for ASCII letter case (a copy from a FAT disk
// or a CD-ROM is often CDPLAYER.INI), in byte order of the names.
std::vector<std::string> CaseBlindCandidates(const std::string& candidate);

// Tries the case-blind candidates of each folder of `searchPath`
// (NextSearchCandidate) with `load`, going on past a candidate that cannot
// be loaded, until one loads. The one search of the window and the command
// line alike.
SearchOutcome FindCollection(const std::string& searchPath, const CandidateLoader& load);

// The verdict of loading the one file at `path`.
SearchOutcome LoadOne(const std::string& path, const CandidateLoader& load);

}  // namespace lumo
