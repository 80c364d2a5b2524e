#pragma once

#include <sys/stat.h>

#include <string>
#include <string_view>

#include "core/platform/atomic_file.h"

namespace lumo::platform {

// Why a replacement did not happen.
enum class ReplaceProblem {
  None,
  FolderMissing,         // the folder does not exist or is not a folder
  FolderWriteProtected,  // the folder has no write bit, or we may not write it
  NotRegularFile,        // the target is a folder, a pipe, a device, ...
  WriteProtected,        // the target has no write bit (even for root), or we may not write it
  HardLinked,            // the target has other names a replacement would part from it
  AttributesNotCopied,   // its extended attributes (ACLs, labels) cannot be carried over
  ChangedMeanwhile,      // another program wrote the target since it was read
  SystemError,           // a system call failed: see Error()
};

// The folder part of a path ("." for a bare name, "/" for the root).
std::string FolderOf(const std::string& path);

// The start of the names of the temporary files written beside `target`:
// ".<name>.lumo-"; the writer's process id, "-" and six random characters
// follow.
std::string TempNamePrefix(const std::string& target);

// A new file written beside `target` (the final file, not a symbolic link)
// that takes its place in one rename when complete. Until Commit succeeds,
// the target is untouched; the temporary file goes with the object.
class ReplacementFile {
 public:
  explicit ReplacementFile(std::string target);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Checks the target and its folder and creates the temporary file. False
  // (see Problem) when the target may not be replaced.
  bool Begin();
  // Writes all of `bytes`; false on any failure (a full disk included).
  bool Write(std::string_view bytes);
  // Flushes the temporary file to disk, gives it the target's permissions,
  // owner (when possible) and extended attributes, renames it over the
  // target and flushes the folder. With `unchangedSince`, the file it
  // replaces must be the one with that stamp (same file, size and
  // modification time): it is swapped in and the displaced file checked,
  // and the swap undone when that is another program's. False (see Problem)
  // leaves the target as it was.
  bool Commit(const FileStamp* unchangedSince = nullptr);

  ReplaceProblem Problem() const noexcept { return problem_; }
  // The errno value behind a SystemError; for the checks one that fits
  // (EISDIR for a folder in the file's place, EACCES, EMLINK, ...).
  int Error() const noexcept { return error_; }

 private:
  bool Fail(ReplaceProblem problem, int error);
  bool CheckTarget();
  bool FillIn();
  bool StillUnchanged(const FileStamp& expected);
  bool RenameOver();
  bool ExchangeIfUnchanged(const FileStamp& expected);
  bool DisplacedIs(const FileStamp& expected) const;

  std::string target_;
  std::string folder_;
  std::string tempPath_;
  int fd_ = -1;
  bool exists_ = false;
  struct stat old_ {};
  ReplaceProblem problem_ = ReplaceProblem::None;
  int error_ = 0;
};

}  // namespace lumo::platform
