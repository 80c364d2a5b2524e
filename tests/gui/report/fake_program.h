#pragma once

#include <string>

namespace lumo::test {

// Writes an executable /bin/sh script named `name` into `folder` that runs
// `body`, and returns its path. Throws when it cannot.
std::string WriteFakeProgram(const std::string& folder, const std::string& name,
                             const std::string& body);

}  // namespace lumo::test
