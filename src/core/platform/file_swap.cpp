#include "core/platform/file_swap.h"

#if defined(__linux__)
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#endif

namespace lumo::platform {

#if defined(__linux__)

SwapResult ExchangeFiles(const std::string& a, const std::string& b) {
  if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0) return SwapResult::Swapped;
  return errno == EINVAL || errno == ENOSYS || errno == ENOTSUP ? SwapResult::Unsupported : SwapResult::Failed;
}

LockResult LockForWriting(int fd, std::chrono::milliseconds patience) {
  constexpr std::chrono::milliseconds kPause{10};
  struct flock whole {};
  whole.l_type = F_WRLCK;
  whole.l_whence = SEEK_SET;  // start 0, length 0: the whole file, however it grows
  for (std::chrono::milliseconds waited{0};; waited += kPause) {
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) return LockResult::Locked;
    if (errno != EAGAIN && errno != EACCES && errno != EINTR) return LockResult::Unsupported;
    // Never waits without end: a program that holds its lock for long gets
    // a refusal the user can retry, not a frozen window.
    if (waited >= patience) return LockResult::Busy;
    std::this_thread::sleep_for(kPause);
  }
}

#else

SwapResult ExchangeFiles(const std::string&, const std::string&) { return SwapResult::Unsupported; }

LockResult LockForWriting(int, std::chrono::milliseconds) { return LockResult::Unsupported; }

#endif

}  // namespace lumo::platform
