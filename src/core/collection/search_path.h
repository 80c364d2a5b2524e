#pragma once

#include <string>

namespace lumo {

// Stepping through the search path: directories separated by ";", tried left
// to right. Entries are used as written (blanks kept, relative entries not
// resolved).

// The platform's separator between a directory and a file name.
#ifdef _WIN32
inline constexpr char kDirectorySeparator = '\\';
#else
inline constexpr char kDirectorySeparator = '/';
#endif

// The next candidate, `entry` + separator + `fileName`, taken from the front
// of `remaining`, which loses that entry and its ";". The separator is added
// even when the entry already ends with one. Empty entries ("a;;b", a leading
// or trailing ";") are skipped rather than ending the search, so that every
// directory the user listed is tried. Returns the empty text, with
// `remaining` emptied, when no entry is left.
std::string NextSearchCandidate(std::string& remaining, const std::string& fileName);

// The search path used when the settings name none: the Windows folders on
// Windows, elsewhere the same two folders of the default Wine prefix, written
// out in full from $HOME.
std::string DefaultSearchPath();

}  // namespace lumo
