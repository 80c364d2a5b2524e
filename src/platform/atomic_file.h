#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and all-or-nothing replacement of files on disk, for
// the profile functions. POSIX only.
namespace lumo::platform {

enum class ReadStatus { Read, Missing, Failed };

// Reads the whole file into `bytes`. Missing: the file does not exist
// (`bytes` left empty); Failed: it exists but cannot be read, or it is not a
// regular file (a folder, a pipe).
ReadStatus ReadFileBytes(const std::string& path, std::string& bytes);

// The file a write to `path` must change: symbolic links followed to their
// final target (relative targets taken from the link's folder), which need
// not exist yet. Nothing for a link loop or more than 40 links in a row.
std::optional<std::string> FollowLinks(const std::string& path);

// Replaces the file at `path` (not a symbolic link: see FollowLinks) with
// exactly `bytes`, or creates it: a new file with a unique name is written
// beside it, flushed to disk, given the old file's permissions (and owner,
// when run as root), renamed over it, and the folder is flushed. A crash at
// any moment leaves the old or the new file whole. New files get the
// permissions 0666 less the umask.
//
// False, with nothing changed and no temporary file left, when the file has
// no write permission bit (even for root) or the caller may not write it,
// the folder is missing or has no write permission bit, the path names
// something other than a regular file, or any write, flush or rename fails
// (a full disk included). On failure `reason`, when given, receives one
// sentence saying why, for the user.
bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* reason = nullptr);

}  // namespace lumo::platform
