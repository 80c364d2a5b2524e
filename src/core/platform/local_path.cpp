#include "core/platform/local_path.h"

#include <filesystem>
#include <system_error>

#include "core/platform/windows1252.h"

namespace lumo {

bool IsLocalName(std::string_view path) noexcept {
#ifdef _WIN32
  static_cast<void>(path);
  return true;
#else
  return cp1252::IsUtf8(path);
#endif
}

std::string PathFromSettings(const std::string& stored) {
  return IsLocalName(stored) ? stored : cp1252::ToUtf8(stored);
}

std::string AbsolutePath(const std::string& path) {
  const std::filesystem::path given(path);
  if (path.empty() || given.is_absolute()) return path;
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(given, error);
  return error ? path : absolute.string();
}

}  // namespace lumo
