#include "core/platform/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/replacement_file.h"

namespace lumo::platform {

namespace {

constexpr int kMaxLinks = 40;
// Files are compared in pieces of this size, so a large one needs no copy.
constexpr std::size_t kComparePiece = std::size_t{1} << 16;

// Retries reads interrupted by a signal.
ssize_t ReadSome(int fd, char* into, std::size_t size) {
  ssize_t got = 0;
  do {
    got = ::read(fd, into, size);
  } while (got < 0 && errno == EINTR);
  return got;
}

// A file may grow while it is read: never past `maxBytes`.
ReadStatus ReadAll(int fd, std::size_t sizeHint, std::size_t maxBytes, std::string& bytes) {
  const std::size_t cap = maxBytes < kAnySize ? maxBytes + 1 : maxBytes;  // one byte over shows excess
  bytes.resize(std::min(sizeHint + 1, cap));  // one spare byte shows whether the file grew
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.size()) {
      if (filled > maxBytes) return ReadStatus::TooLarge;
      bytes.resize(std::min(bytes.size() * 2, cap));
    }
    const ssize_t got = ReadSome(fd, bytes.data() + filled, bytes.size() - filled);
    if (got < 0) return ReadStatus::Failed;
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  if (filled > maxBytes) return ReadStatus::TooLarge;
  bytes.resize(filled);
  return ReadStatus::Read;
}

// The process id in a temporary name that follows `prefix`, or 0 when the
// name is not one of ours: "<pid>-" and six characters.
pid_t WriterOf(std::string_view name, std::string_view prefix) {
  if (name.substr(0, prefix.size()) != prefix) return 0;
  name.remove_prefix(prefix.size());
  const std::size_t dash = name.find('-');
  if (dash == 0 || dash == std::string_view::npos || dash > 9 || name.size() != dash + 7) return 0;
  pid_t pid = 0;
  for (const char digit : name.substr(0, dash)) {
    if (digit < '0' || digit > '9') return 0;
    pid = pid * 10 + (digit - '0');
  }
  return pid;
}

bool ProcessIsGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

}  // namespace

ReadStatus ReadFileBytes(const std::string& path, std::string& bytes, std::size_t maxBytes) {
  bytes.clear();
  // Non-blocking so that a pipe in the file's place cannot hang us.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return errno == ENOENT ? ReadStatus::Missing : ReadStatus::Failed;
  struct stat st {};
  ReadStatus status = ReadStatus::Failed;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    status = ReadOpenFile(fd, static_cast<std::size_t>(st.st_size), maxBytes, bytes);
  }
  ::close(fd);
  if (status != ReadStatus::Read) std::string().swap(bytes);
  return status;
}

ReadStatus ReadOpenFile(int fd, std::size_t sizeHint, std::size_t maxBytes, std::string& bytes) {
  if (sizeHint > maxBytes) return ReadStatus::TooLarge;
  if (::lseek(fd, 0, SEEK_SET) != 0) return ReadStatus::Failed;
  return ReadAll(fd, sizeHint, maxBytes, bytes);
}

bool OpenFileHolds(int fd, std::string_view bytes) {
  std::vector<char> piece(std::min<std::size_t>(bytes.size() + 1, kComparePiece));
  for (off_t at = 0;;) {
    ssize_t got = 0;
    do {
      got = ::pread(fd, piece.data(), piece.size(), at);
    } while (got < 0 && errno == EINTR);
    if (got < 0) return false;
    if (got == 0) return bytes.empty();
    const auto size = static_cast<std::size_t>(got);
    if (size > bytes.size() || std::memcmp(piece.data(), bytes.data(), size) != 0) return false;
    bytes.remove_prefix(size);
    at += got;
  }
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

void IgnoreWriteSignals() {
  ::signal(SIGPIPE, SIG_IGN);
  ::signal(SIGXFSZ, SIG_IGN);
}

void RestoreWriteSignals() {
  struct sigaction standard {};
  standard.sa_handler = SIG_DFL;
  ::sigaction(SIGPIPE, &standard, nullptr);
  ::sigaction(SIGXFSZ, &standard, nullptr);
}

int RemoveStaleTempFiles(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::string prefix = TempNamePrefix(path).substr(folder.size() + 1);
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), ::closedir);
  if (!dir) return 0;
  int removed = 0;
  while (const dirent* entry = ::readdir(dir.get())) {
    const pid_t writer = WriterOf(entry->d_name, prefix);
    if (writer <= 0 || !ProcessIsGone(writer)) continue;
    const std::string stale = folder + "/" + entry->d_name;
    struct stat st {};
    if (::lstat(stale.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(stale.c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace lumo::platform
