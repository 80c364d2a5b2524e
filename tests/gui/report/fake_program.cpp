#include "fake_program.h"

#include <filesystem>

#include "support/file_bytes.h"

namespace lumo::test {

std::string WriteFakeProgram(const std::string& folder, const std::string& name,
                             const std::string& body) {
  const std::string path = folder + "/" + name;
  WriteBytes(path, "#!/bin/sh\n" + body + "\n");
  namespace fs = std::filesystem;
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  return path;
}

}  // namespace lumo::test
