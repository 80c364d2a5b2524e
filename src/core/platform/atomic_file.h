#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reading and all-or-nothing replacement of files on disk, for
// the profile functions. POSIX only.
namespace lumo::platform {

enum class ReadStatus { Read, Missing, Failed, TooLarge };

// No limit on the size of a file read.
inline constexpr std::size_t kAnySize = SIZE_MAX;

// What tells one state of a file on disk from another without reading it:
// any write by anyone changes the change time, a replacement the inode.
struct FileStamp {
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  timespec modified{};
  timespec changed{};

  bool operator==(const FileStamp& other) const noexcept;
};

// Reads the whole file into `bytes`. Missing: the file does not exist
// (`bytes` left empty); Failed: it exists but cannot be read, or it is not a
// regular file (a folder, a pipe); TooLarge: it holds more than `maxBytes`
// (decided before any memory is taken, so a huge sparse file costs nothing).
// On Read, `stamp` (when given) receives the stamp of the file as read.
ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes = kAnySize,
                         FileStamp* stamp = nullptr);

// The file a write to `path` must change: symbolic links followed to their
// final target (relative targets taken from the link's folder), which need
// not exist yet. Nothing for a link loop or more than 40 links in a row.
std::optional<std::string> FollowLinks(const std::string& path);

// The sentence a write gives when the file is no longer the one it was
// based on.
extern const char* const kChangedByAnotherProgram;

// Replaces the file at `path` (not a symbolic link: see FollowLinks) with
// exactly `bytes`, or creates it: a new file with a unique name is written
// beside it, flushed to disk, given the old file's permissions (and owner,
// when run as root) and extended attributes (access control lists and
// security labels included), renamed over it, and the folder is flushed. A
// crash at any moment leaves the old or the new file whole. New files get the
// permissions 0666 less the umask.
//
// False, with nothing changed and no temporary file left, when the file has
// no write permission bit (even for root) or the caller may not write it,
// it has more than one name (a hard link, which a replacement would part
// from its other names), its extended attributes cannot be carried over,
// the folder is missing or has no write permission bit, the path names
// something other than a regular file, `unchangedSince` is given and the
// file's stamp differs from it just before the rename (another program wrote
// it meanwhile), or any write, flush or rename fails (a full disk included).
// On failure `reason`, when given, receives one sentence saying why, for the
// user.
bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* reason = nullptr,
                         const FileStamp* unchangedSince = nullptr);

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
