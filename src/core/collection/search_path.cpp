#include "core/collection/search_path.h"

#include "core/platform/profile.h"

namespace lumo {

std::string NextSearchCandidate(std::string& remaining, const std::string& fileName) {
  while (!remaining.empty()) {
    std::size_t semicolon = remaining.find(';');
    std::string entry = remaining.substr(0, semicolon);
    remaining = semicolon == std::string::npos ? std::string() : remaining.substr(semicolon + 1);
    if (!entry.empty()) return entry + kDirectorySeparator + fileName;
  }
  return {};
}

std::string DefaultSearchPath() {
#ifdef _WIN32
  return "c:\\windows;c:\\winnt";
#else
  const std::string prefix = lumo::profile::HomeDirectory() + "/.wine/drive_c/";
  return prefix + "windows;" + prefix + "winnt";
#endif
}

}  // namespace lumo
