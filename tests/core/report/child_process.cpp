#include "child_process.h"

#include <csignal>
#include <exception>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumo::test {
namespace {

std::string RunBody(long maxBytes, const std::function<std::string()>& body) {
  const rlimit limit{static_cast<rlim_t>(maxBytes), static_cast<rlim_t>(maxBytes)};
  if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return "child: setrlimit failed";
  std::signal(SIGXFSZ, SIG_IGN);
  try {
    return body();
  } catch (const std::exception& e) {
    return std::string("child: exception ") + e.what();
  }
}

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) != 0;) {
    if (n > 0) text.append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR) break;
  }
  return text;
}

}  // namespace

std::string RunWithFileSizeLimit(long maxBytes, const std::function<std::string()>& body) {
  int channel[2];
  if (pipe(channel) != 0) return "child: pipe failed";
  const pid_t child = fork();
  if (child == 0) {
    close(channel[0]);
    const std::string result = RunBody(maxBytes, body);
    const bool sent = write(channel[1], result.data(), result.size()) == ssize_t(result.size());
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  std::string result = child < 0 ? "child: fork failed" : ReadAll(channel[0]);
  close(channel[0]);
  int status = 0;
  if (child > 0 && (waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
                    WEXITSTATUS(status) != 0)) {
    result = "child: died, status " + std::to_string(status);
  }
  return result;
}

int OpenDescriptorCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

}  // namespace lumo::test
