#pragma once

#include <string>

// The causes of file errors met while writing reports, their user texts, and
// how operating-system error numbers map onto them.
namespace lumo {

enum class FileErrorCause {
  None,
  Generic,
  FileNotFound,
  BadPath,
  TooManyOpenFiles,
  AccessDenied,
  InvalidFile,
  RemoveCurrentDir,
  DirectoryFull,
  BadSeek,
  HardIo,
  SharingViolation,
  LockViolation,
  DiskFull,
  EndOfFile,
  NotRegularFile,  // a pipe or a device where a report file should be
  HardLinked,      // a file with other names, which a replacement would part from it
};

// The cause an errno value stands for; 0 gives None, anything unlisted Generic.
FileErrorCause FileErrorCauseFromErrno(int error) noexcept;

// Like FileErrorCauseFromErrno, for a failed open that would have created the
// file: a missing name there means a missing folder, so ENOENT is a bad path.
FileErrorCause FileErrorCauseOfCreate(int error) noexcept;

// The cause's user text with every "%1" replaced by the file name. The name is
// inserted literally: a "%1" inside it is not replaced again.
std::string FileErrorText(FileErrorCause cause, const std::string& fileName);

}  // namespace lumo
