#include "core/platform/replacement_file.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "core/platform/extended_attributes.h"
#include "core/platform/file_swap.h"

namespace lumo::platform {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
// Keeps temporary names within NAME_MAX whatever the file is called.
constexpr std::size_t kMaxNameInTemp = 200;
// How long a write waits for another program to release its lock on the file.
constexpr std::chrono::milliseconds kLockPatience{200};
// How long after the swap the replaced file is read again at the soonest:
// writes through descriptors opened before the swap that land within it
// are found and kept.
constexpr std::chrono::milliseconds kSettle{5};

BeforeSwapHook& TheBeforeSwapHook() {
  static BeforeSwapHook hook;
  return hook;
}

std::string BaseNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t NewFileMode() {
  // The program has a single thread, so reading the umask this way is safe.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Best effort: the new file keeps the old one's owner (possible for root)
// or at least its group (possible for a member), so that a shared file stays
// usable by the others who share it. Done before the mode, which a change of
// owner may clear bits of.
void KeepOwner(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) == 0) return;
  [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

bool SameTime(const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; }

// Nothing has written the file in between, as far as its stamp tells: the
// clock behind it is coarse, so only the bytes can say so for certain.
bool SameStamp(const struct stat& a, const struct stat& b) {
  return SameFile(a, b) && a.st_size == b.st_size && SameTime(a.st_mtim, b.st_mtim) &&
         SameTime(a.st_ctim, b.st_ctim);
}

// The failed system call's meaning for the user.
MessageId IdOfError(int error) {
  if (error == ENOSPC || error == EDQUOT) return MessageId::WriteDiskFull;
  if (error == EFBIG) return MessageId::WriteSizeLimit;
  if (error == EACCES || error == EPERM || error == EROFS) return MessageId::WriteAccessDenied;
  return MessageId::WriteSystemError;
}

// Open for writing where allowed, so that the lock can be taken; a file we
// may only read is still read, and refused later as write-protected.
int OpenToReplace(const std::string& target) {
  const int fd = ::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd >= 0 || errno == ENOENT) return fd;
  return ::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

bool OpenForWriting(int fd) { return (::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDWR; }

void CloseIfOpen(int fd) {
  if (fd >= 0) ::close(fd);
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string TempNamePrefix(const std::string& target) {
  return FolderOf(target) + "/." + BaseNameOf(target).substr(0, kMaxNameInTemp) + ".lumo-";
}

BeforeSwapHook SetBeforeSwapHook(BeforeSwapHook hook) { return std::exchange(TheBeforeSwapHook(), std::move(hook)); }

ReplacementFile::ReplacementFile(std::string path) : path_(std::move(path)) {}

ReplacementFile::~ReplacementFile() {
  CloseIfOpen(fd_);
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
  // Closed last: until here the file that was replaced stays open, and locked.
  CloseIfOpen(displacedFd_);
  CloseIfOpen(heldFd_);
}

bool ReplacementFile::Fail(MessageId id, int error) {
  failure_ = Message{id, path_, error};
  return false;
}

// Links are followed once, by whichever step comes first.
bool ReplacementFile::Follow() {
  if (!target_.empty()) return true;
  std::optional<std::string> target = FollowLinks(path_);
  if (!target) return Fail(MessageId::WriteTooManyLinks, ELOOP);
  target_ = std::move(*target);
  folder_ = FolderOf(target_);
  return true;
}

bool ReplacementFile::ReadCurrent(const ReadRules& rules) {
  if (!Follow()) return false;
  expected_ = rules.expected;
  current_.clear();
  heldFd_ = OpenToReplace(target_);
  if (heldFd_ >= 0) return OpenCurrent(rules);
  if (errno != ENOENT) return Fail(MessageId::WriteCannotRead, errno);
  return rules.ifMissing == IfMissing::Create || Fail(MessageId::WriteFileGone, ENOENT);
}

// Locked before it is read, so that a program that honours the lock is not
// caught halfway through a write of its own.
bool ReplacementFile::OpenCurrent(const ReadRules& rules) {
  if (OpenForWriting(heldFd_) && LockForWriting(heldFd_, kLockPatience) == LockResult::Busy) {
    return Fail(MessageId::WriteLocked, EAGAIN);
  }
  if (::fstat(heldFd_, &held_) != 0) return Fail(MessageId::WriteCannotRead, errno);
  if (!S_ISREG(held_.st_mode)) return Fail(MessageId::WriteCannotRead, EINVAL);
  const auto size = static_cast<std::size_t>(held_.st_size);
  if (size > rules.maxBytes) return Fail(MessageId::WriteTooLarge, EFBIG);
  if (expected_ != nullptr) return OpenFileHolds(heldFd_, *expected_) || Fail(MessageId::WriteChangedMeanwhile, 0);
  switch (ReadOpenFile(heldFd_, size, rules.maxBytes, current_)) {
    case ReadStatus::Read: return true;
    case ReadStatus::TooLarge: return Fail(MessageId::WriteTooLarge, EFBIG);
    case ReadStatus::Missing:
    case ReadStatus::Failed: break;
  }
  return Fail(MessageId::WriteCannotRead, errno);
}

// The folder must exist, be a folder, and carry a write bit: root could
// write anywhere, but a folder marked read-only is treated as such. The same
// for the file itself, when it exists.
bool ReplacementFile::CheckTarget() {
  struct stat folder {};
  if (::stat(folder_.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
    return Fail(MessageId::WriteFolderMissing, ENOENT);
  }
  if ((folder.st_mode & kAnyWriteBit) == 0 || ::access(folder_.c_str(), W_OK | X_OK) != 0) {
    return Fail(MessageId::WriteFolderProtected, EACCES);
  }
  exists_ = ::stat(target_.c_str(), &old_) == 0;
  if (!exists_) return errno == ENOENT || Fail(IdOfError(errno), errno);
  if (!S_ISREG(old_.st_mode)) {
    return Fail(MessageId::WriteNotRegularFile, S_ISDIR(old_.st_mode) ? EISDIR : EINVAL);
  }
  if ((old_.st_mode & kAnyWriteBit) == 0 || ::access(target_.c_str(), W_OK) != 0) {
    return Fail(MessageId::WriteProtected, EACCES);
  }
  if (old_.st_nlink > 1) return Fail(MessageId::WriteHardLinked, EMLINK);
  return true;
}

bool ReplacementFile::Begin() {
  if (!Follow() || !CheckTarget()) return false;
  // The process id in the name tells a crashed writer's leftovers from a
  // running writer's file (RemoveStaleTempFiles).
  std::string pattern = TempNamePrefix(target_) + std::to_string(::getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkostemp(name.data(), O_CLOEXEC);  // O_CREAT | O_EXCL with a unique name
  if (fd_ < 0) return Fail(IdOfError(errno), errno);
  tempPath_ = name.data();
  return true;
}

bool ReplacementFile::Write(std::string_view bytes) {
  if (fd_ < 0) return Fail(MessageId::WriteSystemError, EBADF);
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    const int error = written < 0 ? errno : EIO;
    if (written <= 0) return Fail(IdOfError(error), error);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Completes the temporary file durably, with everything the old file had
// about it, before it may replace anything.
bool ReplacementFile::FillIn() {
  if (exists_) KeepOwner(fd_, old_);
  const mode_t mode = exists_ ? (old_.st_mode & 07777) : NewFileMode();
  if (::fchmod(fd_, mode) != 0) return Fail(IdOfError(errno), errno);
  // After the mode: an access control list sets the group bits itself.
  if (exists_ && !CopyExtendedAttributes(target_, fd_)) return Fail(MessageId::WriteAttributesNotCopied, EPERM);
  if (::fsync(fd_) != 0) return Fail(IdOfError(errno), errno);
  const int fd = std::exchange(fd_, -1);
  return ::close(fd) == 0 || Fail(IdOfError(errno), errno);
}

// Before the swap: the path still names the file as read, or a file that
// holds the same bytes (touched, or written again with what it held).
bool ReplacementFile::StillHolds() const {
  struct stat now {};
  if (::stat(target_.c_str(), &now) != 0) return false;
  if (SameStamp(now, held_)) return true;
  const int fd = ::open(target_.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool same = OpenFileHolds(fd, Reference());
  ::close(fd);
  return same;
}

// After the swap the file that was in place has the temporary name, and is
// read through a descriptor: normally the one it was read by, else one
// opened now and kept.
bool ReplacementFile::DisplacedHolds() {
  struct stat displaced {};
  if (::lstat(tempPath_.c_str(), &displaced) != 0) return false;
  int fd = heldFd_;
  if (!SameFile(displaced, held_)) {
    displacedFd_ = ::open(tempPath_.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    fd = displacedFd_;
  }
  return fd >= 0 && OpenFileHolds(fd, Reference());
}

bool ReplacementFile::RenameOverAndFlush() {
  if (::rename(tempPath_.c_str(), target_.c_str()) != 0) return Fail(IdOfError(errno), errno);
  tempPath_.clear();
  // The new file is in place; a failure to flush the folder cannot undo that.
  SyncFolder(folder_);
  return true;
}

// Swaps the new file in and reads the one it displaced: only when that
// still holds the bytes read does the swap stand, else it is undone. A
// program that wrote through a descriptor opened before the swap finds its
// bytes in place again, as long as they landed before that last look; so
// the look comes after the folder is flushed, and never sooner than
// kSettle after the swap.
bool ReplacementFile::SwapChecked() {
  // Checked first as well, so that our file is seldom swapped in only to be
  // swapped out again: meanwhile others could see it.
  if (!StillHolds()) return Fail(MessageId::WriteChangedMeanwhile, 0);
  if (const BeforeSwapHook& hook = TheBeforeSwapHook()) hook();
  switch (ExchangeFiles(tempPath_, target_)) {
    case SwapResult::Unsupported: return RenameOverAndFlush();  // checked, then renamed: the best there is
    case SwapResult::Failed: return Fail(IdOfError(errno), errno);
    case SwapResult::Swapped: break;
  }
  const auto swapped = std::chrono::steady_clock::now();
  SyncFolder(folder_);
  std::this_thread::sleep_until(swapped + kSettle);
  if (DisplacedHolds()) {
    ::unlink(tempPath_.c_str());  // the old file, now under the temporary name; open until we go
    tempPath_.clear();
    return true;
  }
  // The other program's file goes back; ours leaves with the temporary name.
  // Should that fail, their file must not be removed with the temporary one.
  if (ExchangeFiles(tempPath_, target_) != SwapResult::Swapped) tempPath_.clear();
  SyncFolder(folder_);
  return Fail(MessageId::WriteChangedMeanwhile, 0);
}

bool ReplacementFile::Commit() {
  if (fd_ < 0) return failure_.Failed() ? false : Fail(MessageId::WriteSystemError, EBADF);
  if (!FillIn()) return false;
  return heldFd_ >= 0 ? SwapChecked() : RenameOverAndFlush();
}

}  // namespace lumo::platform
