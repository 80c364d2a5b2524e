#include "core/report/file_error.h"

#include <cerrno>
#include <string_view>

#include "core/platform/message_box.h"

namespace lumo {
namespace {

std::string_view TextTemplate(FileErrorCause cause) noexcept {
  switch (cause) {
    case FileErrorCause::None: return "No error occurred.";
    case FileErrorCause::Generic: return "An unknown error occurred while accessing %1.";
    case FileErrorCause::FileNotFound: return "%1 was not found.";
    case FileErrorCause::BadPath: return "%1 contains an invalid path.";
    case FileErrorCause::TooManyOpenFiles:
      return "%1 could not be opened because there are too many open files.";
    case FileErrorCause::AccessDenied: return "Access to %1 was denied.";
    case FileErrorCause::InvalidFile: return "An invalid file handle was associated with %1.";
    case FileErrorCause::RemoveCurrentDir:
      return "%1 could not be removed because it is the current directory.";
    case FileErrorCause::DirectoryFull:
      return "%1 could not be created because the directory is full.";
    case FileErrorCause::BadSeek: return "Seek failed on %1";
    case FileErrorCause::HardIo: return "A hardware I/O error was reported while accessing %1.";
    case FileErrorCause::SharingViolation: return "A sharing violation occurred while accessing %1.";
    case FileErrorCause::LockViolation: return "A locking violation occurred while accessing %1.";
    case FileErrorCause::DiskFull: return "Disk full while accessing %1.";
    case FileErrorCause::EndOfFile: return "An attempt was made to access %1 past its end.";
    case FileErrorCause::NotRegularFile: return "%1 is not a regular file.";
    case FileErrorCause::HardLinked:
      return "%1 has more than one name (hard links), and the other names would keep the old contents.";
  }
  return "An unknown error occurred while accessing %1.";
}

}  // namespace

FileErrorCause FileErrorCauseFromErrno(int error) noexcept {
  switch (error) {
    case 0: return FileErrorCause::None;
    case ENOENT:
    case ENXIO: return FileErrorCause::FileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EINVAL:
    case ELOOP: return FileErrorCause::BadPath;
    case EMFILE:
    case ENFILE: return FileErrorCause::TooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return FileErrorCause::AccessDenied;
    case EBADF: return FileErrorCause::InvalidFile;
    case EMLINK: return FileErrorCause::DirectoryFull;
    case ESPIPE: return FileErrorCause::BadSeek;
    case EIO: return FileErrorCause::HardIo;
    case EBUSY:
    case ETXTBSY: return FileErrorCause::SharingViolation;
    case EDEADLK:
    case ENOLCK: return FileErrorCause::LockViolation;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return FileErrorCause::DiskFull;
    default: return FileErrorCause::Generic;
  }
}

FileErrorCause FileErrorCauseOfCreate(int error) noexcept {
  return error == ENOENT ? FileErrorCause::BadPath : FileErrorCauseFromErrno(error);
}

std::string FileErrorText(FileErrorCause cause, const std::string& fileName) {
  return FillIn(TextTemplate(cause), "%1", fileName);
}

}  // namespace lumo
