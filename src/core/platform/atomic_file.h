#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reading of files on disk, for the profile functions and the
// replacement of files (platform/replacement_file.h). POSIX only.
namespace lumo::platform {

enum class ReadStatus { Read, Missing, Failed, TooLarge };

// No limit on the size of a file read.
inline constexpr std::size_t kAnySize = SIZE_MAX;

// Reads the whole file into `bytes`. Missing: the file does not exist
// (`bytes` left empty); Failed: it exists but cannot be read, or it is not a
// regular file (a folder, a pipe); TooLarge: it holds more than `maxBytes`
// (decided before any memory is taken, so a huge sparse file costs nothing).
ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes = kAnySize);

// The same for a regular file already open as `fd`, read from its start
// whatever its offset; `sizeHint` is its size as last seen. Read, Failed or
// TooLarge.
ReadStatus ReadOpenFile(int fd, std::size_t sizeHint, std::size_t maxBytes, std::string& bytes);

// Whether the file open as `fd` holds exactly `bytes`, read from its start
// in pieces, without a copy of the whole. False when it cannot be read.
bool OpenFileHolds(int fd, std::string_view bytes);

// The file a write to `path` must change: symbolic links followed to their
// final target (relative targets taken from the link's folder), which need
// not exist yet. Nothing for a link loop or more than 40 links in a row.
std::optional<std::string> FollowLinks(const std::string& path);

// Removes the temporary files that writes to `path` left beside it when
// their process died before finishing: those whose process no longer runs.
// Files of running processes, and anything not named like ours, are left
// alone. Returns how many were removed.
int RemoveStaleTempFiles(const std::string& path);

// Makes a write into a pipe without a reader (SIGPIPE) and a write past the
// file size limit (SIGXFSZ) fail with EPIPE and EFBIG, which are reported
// like any write error, instead of ending the process. For the whole
// process; call once at start-up.
void IgnoreWriteSignals();

// Puts the two signals back to their defaults. For a child process about
// to run another program, which would otherwise inherit them ignored; safe
// between fork and exec.
void RestoreWriteSignals();

}  // namespace lumo::platform
