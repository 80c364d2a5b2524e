#include "core/report/file_error.h"

#include <cerrno>
#include <string_view>

namespace lumo {

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
    case EDQUOT: return FileErrorCause::DiskFull;
    case EFBIG: return FileErrorCause::FileSizeLimit;
    default: return FileErrorCause::Generic;
  }
}

FileErrorCause FileErrorCauseOfCreate(int error) noexcept {
  return error == ENOENT ? FileErrorCause::BadPath : FileErrorCauseFromErrno(error);
}

std::string FileErrorText(FileErrorCause cause, const std::string& fileName) {
  return Worded(Message{cause, fileName, 0});
}

}  // namespace lumo
