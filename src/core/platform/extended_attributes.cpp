#include "core/platform/extended_attributes.h"

#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>
#include <vector>

namespace lumo::platform {
namespace {

// Sizes can change between the call that asks and the one that reads, so
// each read is retried with the new size a few times.
template <typename Read>
std::optional<std::string> ReadSized(Read read) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    const ssize_t size = read(nullptr, 0);
    if (size < 0) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    const ssize_t got = read(bytes.data(), bytes.size());
    if (got >= 0) {
      bytes.resize(static_cast<std::size_t>(got));
      return bytes;
    }
    if (errno != ERANGE) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::string> NamesOf(const std::string& path) {
  return ReadSized([&](char* buffer, std::size_t size) { return ::listxattr(path.c_str(), buffer, size); });
}

std::optional<std::string> ValueOf(const std::string& path, const char* name) {
  return ReadSized([&](char* buffer, std::size_t size) { return ::getxattr(path.c_str(), name, buffer, size); });
}

std::optional<std::string> ValueOf(int fd, const char* name) {
  return ReadSized([&](char* buffer, std::size_t size) { return ::fgetxattr(fd, name, buffer, size); });
}

// A label the system gave the new file already may equal the old one even
// where we may not set it.
bool CopyOne(const std::string& from, int toFd, const char* name) {
  const std::optional<std::string> value = ValueOf(from, name);
  if (!value) return errno == ENODATA;  // removed since it was listed
  if (::fsetxattr(toFd, name, value->data(), value->size(), 0) == 0) return true;
  const std::optional<std::string> present = ValueOf(toFd, name);
  return present && *present == *value;
}

}  // namespace

bool CopyExtendedAttributes(const std::string& from, int toFd) {
  const std::optional<std::string> names = NamesOf(from);
  if (!names) return errno == ENOTSUP;
  std::string_view rest = *names;
  while (!rest.empty()) {
    const std::string name(rest.substr(0, rest.find('\0')));
    rest.remove_prefix(std::min(rest.size(), name.size() + 1));
    if (!name.empty() && !CopyOne(from, toFd, name.c_str())) return false;
  }
  return true;
}

}  // namespace lumo::platform
