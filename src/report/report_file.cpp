#include "report/report_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large enough that a report of any size takes few system calls.
constexpr size_t kBufferSize = size_t{1} << 20;

}  // namespace

ReportFile::~ReportFile() {
  if (fd_ >= 0) ::close(fd_);
}

int ReportFile::Open(const std::string& path) {
  if (fd_ >= 0) Close();
  path_ = path;
  error_ = 0;
  regular_ = false;
  buffer_.clear();
  // Non-blocking only for the open itself, so that a FIFO cannot hang us.
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd_ < 0) return error_ = errno;
  const int flags = ::fcntl(fd_, F_GETFL);
  if (flags >= 0) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
  struct stat info {};
  if (::fstat(fd_, &info) == 0) {
    regular_ = S_ISREG(info.st_mode);
    device_ = info.st_dev;
    inode_ = info.st_ino;
  }
  buffer_.reserve(kBufferSize);
  return 0;
}

bool ReportFile::Write(std::string_view bytes) {
  if (fd_ < 0 || error_ != 0) return false;
  if (buffer_.size() + bytes.size() <= kBufferSize) {
    buffer_ += bytes;
    return true;
  }
  return Flush() && WriteThrough(bytes);
}

bool ReportFile::Close() {
  if (fd_ < 0) return error_ == 0;
  Flush();
  // close() may report a deferred write error (e.g. on network file systems).
  if (::close(fd_) != 0 && error_ == 0) Fail(errno);
  fd_ = -1;
  return error_ == 0;
}

bool ReportFile::RemoveWritten() {
  if (!regular_ || path_.empty()) return false;
  struct stat info {};
  if (::lstat(path_.c_str(), &info) != 0) return false;
  if (!S_ISREG(info.st_mode) || info.st_dev != device_ || info.st_ino != inode_) return false;
  return ::unlink(path_.c_str()) == 0;
}

bool ReportFile::WriteThrough(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      Fail(written < 0 ? errno : EIO);
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool ReportFile::Flush() {
  if (error_ != 0) return false;
  const bool ok = WriteThrough(buffer_);
  buffer_.clear();
  return ok;
}

void ReportFile::Fail(int error) noexcept {
  if (error_ == 0) error_ = error;
}
