#include "platform/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>
#include <vector>

namespace lumo::platform {
namespace {

constexpr int kMaxLinks = 40;
constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
// Keeps temporary names within NAME_MAX whatever the file is called.
constexpr std::size_t kMaxNameInTemp = 200;

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Retries reads and writes interrupted by a signal.
template <typename Call>
auto RetryOnInterrupt(Call call) {
  decltype(call()) result;
  do {
    result = call();
  } while (result < 0 && errno == EINTR);
  return result;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = RetryOnInterrupt([&] { return ::write(fd, bytes.data(), bytes.size()); });
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ReadAll(int fd, std::size_t sizeHint, std::string& bytes) {
  bytes.resize(sizeHint + 1);  // one spare byte shows whether the file grew
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t got = RetryOnInterrupt([&] { return ::read(fd, bytes.data() + filled, bytes.size() - filled); });
    if (got < 0) return false;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  return true;
}

// The folder must exist, be a folder, and carry a write bit: root could
// write anywhere, but a folder marked read-only is treated as such.
const char* FolderProblem(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return "The folder does not exist.";
  if ((st.st_mode & kAnyWriteBit) == 0 || ::access(folder.c_str(), W_OK | X_OK) != 0) {
    return "The folder is write-protected.";
  }
  return nullptr;
}

// The same for the file itself, when it exists.
const char* FileProblem(const std::string& path, const struct stat& st) {
  if (!S_ISREG(st.st_mode)) return "It is not an ordinary file.";
  if ((st.st_mode & kAnyWriteBit) == 0 || ::access(path.c_str(), W_OK) != 0) return "The file is write-protected.";
  return nullptr;
}

// The user's words for a failed system call.
std::string ErrorText(int error) {
  if (error == ENOSPC || error == EDQUOT || error == EFBIG) return "The disk is full.";
  if (error == EACCES || error == EPERM || error == EROFS) return "Access was denied.";
  std::string text = std::strerror(error);
  return text + ".";
}

bool Refuse(std::string* reason, std::string why) {
  if (reason != nullptr) *reason = std::move(why);
  return false;
}

mode_t NewFileMode() {
  // The program has a single thread, so reading the umask this way is safe.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// A uniquely named file beside the target, removed again unless it has been
// renamed into place.
class TempFile {
 public:
  explicit TempFile(const std::string& target) {
    std::string pattern = FolderOf(target) + "/." + BaseNameOf(target).substr(0, kMaxNameInTemp) + ".lumo-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);  // O_CREAT | O_EXCL with a unique name
    if (fd_ >= 0) path_ = name.data();
  }
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int Fd() const { return fd_; }
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  bool RenameTo(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    path_.clear();
    return true;
  }

 private:
  int fd_ = -1;
  std::string path_;
};

// Best effort: the new file keeps the old one's owner (possible for root)
// or at least its group (possible for a member), so that a shared file stays
// usable by the others who share it. Done before the mode, which a change of
// owner may clear bits of.
void KeepOwner(int fd, const struct stat& old) {
  if (::fchown(fd, old.st_uid, old.st_gid) == 0) return;
  [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
}

// Fills the temporary file completely and durably before it may replace
// anything.
bool FillTempFile(TempFile& temp, std::string_view bytes, const struct stat* old) {
  if (!WriteAll(temp.Fd(), bytes)) return false;
  if (old != nullptr) KeepOwner(temp.Fd(), *old);
  const mode_t mode = old != nullptr ? (old->st_mode & 07777) : NewFileMode();
  if (::fchmod(temp.Fd(), mode) != 0) return false;
  return ::fsync(temp.Fd()) == 0 && temp.Close();
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  // Non-blocking so that a pipe in the file's place cannot hang us.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
            ReadAll(fd, static_cast<std::size_t>(st.st_size), bytes);
  ::close(fd);
  if (!ok) bytes.clear();
  return ok ? ReadStatus::Read : ReadStatus::Failed;
}

std::optional<std::string> FollowLinks(const std::string& path) {
  std::string current = path;
  for (int hop = 0; hop <= kMaxLinks; ++hop) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::vector<char> target(PATH_MAX + 1);
    const ssize_t size = ::readlink(current.c_str(), target.data(), PATH_MAX);
    if (size <= 0 || size >= PATH_MAX) return std::nullopt;
    std::string next(target.data(), static_cast<std::size_t>(size));
    current = next.front() == '/' ? next : FolderOf(current) + "/" + next;
  }
  return std::nullopt;
}

bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* reason) {
  const std::string folder = FolderOf(path);
  if (const char* problem = FolderProblem(folder)) return Refuse(reason, problem);
  struct stat old {};
  const bool exists = ::stat(path.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) return Refuse(reason, ErrorText(errno));
  if (const char* problem = exists ? FileProblem(path, old) : nullptr) return Refuse(reason, problem);
  TempFile temp(path);
  if (temp.Fd() < 0) return Refuse(reason, ErrorText(errno));
  // errno is taken before the temporary file's clean-up can change it.
  if (!FillTempFile(temp, bytes, exists ? &old : nullptr)) return Refuse(reason, ErrorText(errno));
  if (!temp.RenameTo(path)) return Refuse(reason, ErrorText(errno));
  // The new file is in place; a failure to flush the folder cannot undo that.
  SyncFolder(folder);
  return true;
}

}  // namespace lumo::platform
