#include "core/platform/replacement_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <utility>
#include <vector>

#include "core/platform/extended_attributes.h"

namespace lumo::platform {
namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
// Keeps temporary names within NAME_MAX whatever the file is called.
constexpr std::size_t kMaxNameInTemp = 200;

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

FileStamp StampOf(const struct stat& st) {
  return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
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

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target)), folder_(FolderOf(target_)) {}

ReplacementFile::~ReplacementFile() {
  if (fd_ >= 0) ::close(fd_);
  if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
}

bool ReplacementFile::Fail(ReplaceProblem problem, int error) {
  problem_ = problem;
  error_ = error;
  return false;
}

// The folder must exist, be a folder, and carry a write bit: root could
// write anywhere, but a folder marked read-only is treated as such. The same
// for the file itself, when it exists.
bool ReplacementFile::CheckTarget() {
  struct stat folder {};
  if (::stat(folder_.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode)) {
    return Fail(ReplaceProblem::FolderMissing, ENOENT);
  }
  if ((folder.st_mode & kAnyWriteBit) == 0 || ::access(folder_.c_str(), W_OK | X_OK) != 0) {
    return Fail(ReplaceProblem::FolderWriteProtected, EACCES);
  }
  exists_ = ::stat(target_.c_str(), &old_) == 0;
  if (!exists_) return errno == ENOENT || Fail(ReplaceProblem::SystemError, errno);
  if (!S_ISREG(old_.st_mode)) return Fail(ReplaceProblem::NotRegularFile, S_ISDIR(old_.st_mode) ? EISDIR : EINVAL);
  if ((old_.st_mode & kAnyWriteBit) == 0 || ::access(target_.c_str(), W_OK) != 0) {
    return Fail(ReplaceProblem::WriteProtected, EACCES);
  }
  if (old_.st_nlink > 1) return Fail(ReplaceProblem::HardLinked, EMLINK);
  return true;
}

bool ReplacementFile::Begin() {
  if (!CheckTarget()) return false;
  // The process id in the name tells a crashed writer's leftovers from a
  // running writer's file (RemoveStaleTempFiles).
  std::string pattern = TempNamePrefix(target_) + std::to_string(::getpid()) + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  fd_ = ::mkostemp(name.data(), O_CLOEXEC);  // O_CREAT | O_EXCL with a unique name
  if (fd_ < 0) return Fail(ReplaceProblem::SystemError, errno);
  tempPath_ = name.data();
  return true;
}

bool ReplacementFile::Write(std::string_view bytes) {
  if (fd_ < 0) return Fail(ReplaceProblem::SystemError, EBADF);
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return Fail(ReplaceProblem::SystemError, written < 0 ? errno : EIO);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Completes the temporary file durably, with everything the old file had
// about it, before it may replace anything.
bool ReplacementFile::FillIn() {
  if (exists_) KeepOwner(fd_, old_);
  const mode_t mode = exists_ ? (old_.st_mode & 07777) : NewFileMode();
  if (::fchmod(fd_, mode) != 0) return Fail(ReplaceProblem::SystemError, errno);
  // After the mode: an access control list sets the group bits itself.
  if (exists_ && !CopyExtendedAttributes(target_, fd_)) return Fail(ReplaceProblem::AttributesNotCopied, EPERM);
  if (::fsync(fd_) != 0) return Fail(ReplaceProblem::SystemError, errno);
  const int fd = std::exchange(fd_, -1);
  return ::close(fd) == 0 || Fail(ReplaceProblem::SystemError, errno);
}

bool ReplacementFile::StillUnchanged(const FileStamp& expected) {
  struct stat now {};
  if (::stat(target_.c_str(), &now) == 0 && StampOf(now) == expected) return true;
  return Fail(ReplaceProblem::ChangedMeanwhile, 0);
}

bool ReplacementFile::DisplacedIs(const FileStamp& expected) const {
  struct stat displaced {};
  if (::lstat(tempPath_.c_str(), &displaced) != 0) return false;
  FileStamp seen = StampOf(displaced);
  seen.changed = expected.changed;
  return seen == expected;
}

bool ReplacementFile::RenameOver() {
  if (::rename(tempPath_.c_str(), target_.c_str()) != 0) return Fail(ReplaceProblem::SystemError, errno);
  tempPath_.clear();
  return true;
}

// Swaps the new file in and looks at the one it displaced: only when that is
// the file the caller read does the swap stand, else it is undone. Unlike a
// check followed by a rename, this leaves no moment in which another
// program's replacement of the file could be overwritten unseen. The swap itself changes the
// displaced file's change time, so that one is not compared.
bool ReplacementFile::ExchangeIfUnchanged(const FileStamp& expected) {
  // Checked first as well, so that our file is seldom swapped in only to be
  // swapped out again: meanwhile others could see it.
  if (!StillUnchanged(expected)) return false;
  if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0) {
    // A file system without the exchange: check, then rename.
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) return Fail(ReplaceProblem::SystemError, errno);
    return StillUnchanged(expected) && RenameOver();
  }
  if (DisplacedIs(expected)) {
    ::unlink(tempPath_.c_str());  // the old file, now under the temporary name
    tempPath_.clear();
    return true;
  }
  // The other program's file goes back; ours leaves with the temporary name.
  // Should that fail, their file must not be removed with the temporary one.
  if (::renameat2(AT_FDCWD, tempPath_.c_str(), AT_FDCWD, target_.c_str(), RENAME_EXCHANGE) != 0) tempPath_.clear();
  return Fail(ReplaceProblem::ChangedMeanwhile, 0);
}

bool ReplacementFile::Commit(const FileStamp* unchangedSince) {
  if (fd_ < 0 || !FillIn()) return false;
  if (!(unchangedSince != nullptr ? ExchangeIfUnchanged(*unchangedSince) : RenameOver())) return false;
  // The new file is in place; a failure to flush the folder cannot undo that.
  SyncFolder(folder_);
  return true;
}

}  // namespace lumo::platform
