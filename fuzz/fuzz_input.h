#pragma once

// What the fuzz targets share: a check that reports through libFuzzer, and
// the input written to a file for the code that reads files.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace lumo::fuzz {

// Aborts, which libFuzzer reports together with the input, unless `condition` holds.
inline void Check(bool condition) {
  if (!condition) std::abort();
}

// Writes the input to `fileName` in a folder of this process's own under
// /tmp and returns its path; empty when the file cannot be written.
inline std::string WriteInput(const char* fileName, const uint8_t* data, std::size_t size) {
  static const std::string folder = [] {
    static char pattern[] = "/tmp/lumo-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    return std::string(pattern);
  }();
  const std::string path = folder + "/" + fileName;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return {};
  const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written ? path : std::string();
}

}  // namespace lumo::fuzz
