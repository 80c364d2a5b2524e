#pragma once

#include <string>

namespace lumo::test {

// A fresh folder under the system's temporary directory, removed with all it
// holds (write permissions restored first) when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  // Path() + "/" + name.
  std::string File(const std::string& name) const;

 private:
  std::string path_;
};

// Points XDG_CONFIG_HOME at a new temporary folder for the rest of the
// process; called by the test mains before any test runs.
void UseTemporaryProfileHome();

}  // namespace lumo::test
