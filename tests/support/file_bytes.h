#pragma once

#include <string>
#include <vector>

namespace lumo::test {

// The whole file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// Replaces the file with exactly these bytes; throws when it cannot.
void WriteBytes(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);

// The names in the folder, sorted (so that tests can see leftovers).
std::vector<std::string> FolderEntries(const std::string& folder);

}  // namespace lumo::test
