#include "support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace lumo::test {
namespace {

void MakeWritable(const fs::path& root) {
  std::error_code ec;
  fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
  if (!fs::is_directory(fs::symlink_status(root, ec))) return;
  for (const auto& entry : fs::recursive_directory_iterator(root, ec)) {
    if (!entry.is_symlink()) fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
}

}  // namespace

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "lumo-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buffer.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  MakeWritable(path_);
  fs::remove_all(path_, ec);
}

std::string TempDir::File(const std::string& name) const { return path_ + "/" + name; }

void UseTemporaryProfileHome() {
  // Deliberately never removed: it must outlive every test of the process.
  static TempDir* home = new TempDir();  // NOLINT: process-lifetime
  setenv("XDG_CONFIG_HOME", home->Path().c_str(), 1);
}

}  // namespace lumo::test
