#pragma once

#include <sys/stat.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/platform/atomic_file.h"
#include "core/platform/message_id.h"

namespace lumo::platform {

// The folder part of a path ("." for a bare name, "/" for the root).
std::string FolderOf(const std::string& path);

// The start of the names of the temporary files written beside `target`:
// ".<name>.lumo-"; the writer's process id, "-" and six random characters
// follow.
std::string TempNamePrefix(const std::string& target);

// What a write does when the file is not there: make it (settings files,
// reports), or refuse (a collection that was loaded: it has gone, and a new
// file holding only the written keys would stand in for the whole of it).
enum class IfMissing { Create, Refuse };

// What the file to be replaced must be, for ReplacementFile::ReadCurrent.
struct ReadRules {
  IfMissing ifMissing = IfMissing::Create;
  std::size_t maxBytes = kAnySize;
  // When given, the file must hold exactly these bytes (compared without a
  // copy); they must outlive the ReplacementFile.
  const std::string* expected = nullptr;
};

// Called in every checked replacement (see Commit) after the last check
// before the swap, just before it: a test acts there as another program
// would. Installs `hook` (empty: none) and returns the previous one.
using BeforeSwapHook = std::function<void()>;
BeforeSwapHook SetBeforeSwapHook(BeforeSwapHook hook);

// A new file written beside the file at `path` that takes its place in one
// step when complete; symbolic links are followed to the file they name,
// which need not exist yet. Until Commit succeeds the file is untouched;
// the temporary file goes with the object.
//
// Two uses. A report: Begin, Write..., Commit, which puts the new file in
// place whatever the old one held. A change of a settings or collection
// file: ReadCurrent first, which keeps the file open and locked against
// programs that honour advisory locks; Commit then swaps the new file in
// only while the old one still holds the bytes read (a mere touch or the
// same bytes written again do not count), looks at the file it displaced
// once more, and swaps back if another program wrote into it meanwhile,
// through a descriptor it opened before. That look comes when the folder
// has been flushed and at least a few milliseconds after the swap; a write
// through such a descriptor that lands later is lost with the old file.
class ReplacementFile {
 public:
  explicit ReplacementFile(std::string path);
  ~ReplacementFile();
  ReplacementFile(const ReplacementFile&) = delete;
  ReplacementFile& operator=(const ReplacementFile&) = delete;

  // Reads the file as it stands (or, with `expected`, checks that it holds
  // those bytes). False (see Failure) when the path runs through too many
  // links, the file is missing and must not be, cannot be read or is not a
  // regular file, holds more than `maxBytes`, differs from `expected`, or
  // another program holds a lock on it for longer than a moment.
  bool ReadCurrent(const ReadRules& rules);
  // The bytes ReadCurrent read; empty with `expected`, or for a new file.
  const std::string& Current() const noexcept { return current_; }

  // Checks the file and its folder and creates the temporary file. False
  // (see Failure) when the file may not be replaced: the folder is missing or
  // write-protected, the file is no regular file, has no write permission
  // bit (even for root) or more than one name (hard links).
  bool Begin();
  // Writes all of `bytes`; false on any failure (a full disk included).
  bool Write(std::string_view bytes);
  // Flushes the temporary file to disk, gives it the file's permissions,
  // owner (when possible) and extended attributes (access control lists and
  // labels included), puts it in place and flushes the folder; after
  // ReadCurrent, only under the rule above. False (see Failure) leaves the
  // file as it was, and no temporary file behind.
  bool Commit();

  // Why the last step failed: an id of the Write... family with the path as
  // given and the errno value behind it (for the checks one that fits:
  // EISDIR for a folder in the file's place, EACCES, EMLINK, ...).
  const Message& Failure() const noexcept { return failure_; }
  int Error() const noexcept { return failure_.error; }

 private:
  bool Fail(MessageId id, int error);
  bool Follow();
  bool OpenCurrent(const ReadRules& rules);
  bool CheckTarget();
  bool FillIn();
  bool StillHolds() const;
  bool DisplacedHolds();
  bool RenameOverAndFlush();
  bool SwapChecked();
  const std::string& Reference() const noexcept { return expected_ != nullptr ? *expected_ : current_; }

  std::string path_;
  std::string target_;
  std::string folder_;
  std::string tempPath_;
  int fd_ = -1;
  bool exists_ = false;
  struct stat old_ {};
  // The file as read, kept open (and locked) until the object goes.
  int heldFd_ = -1;
  struct stat held_ {};
  const std::string* expected_ = nullptr;
  std::string current_;
  int displacedFd_ = -1;
  Message failure_;
};

}  // namespace lumo::platform
