#pragma once

// What the fuzz targets share: a check that reports through libFuzzer (or
// the replay driver), a scratch folder for the code that reads and writes
// files, and a reader that splits one input into fields.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace lumo::fuzz {

// Aborts, which libFuzzer reports together with the input, unless `condition` holds.
inline void Check(bool condition) {
  if (!condition) std::abort();
}

// A folder of this process's own, made on the first call (on tmpfs when
// there is one: files flushed there cost nothing) and removed with its files
// when the process exits normally, so replays under ctest leave nothing behind.
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/lumo-fuzz-XXXXXX" : "/tmp/lumo-fuzz-XXXXXX";
    Check(::mkdtemp(pattern.data()) != nullptr);
    return pattern;
  }();
  static const bool removedAtExit = std::atexit([] {
    std::error_code ignored;
    std::filesystem::remove_all(ScratchFolder(), ignored);
  }) == 0;
  Check(removedAtExit);
  return folder;
}

// Writes the input to `fileName` in the scratch folder and returns its path;
// empty when the file cannot be written.
inline std::string WriteInput(const char* fileName, const uint8_t* data, std::size_t size) {
  const std::string path = ScratchFolder() + "/" + fileName;
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return {};
  const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
  return std::fclose(file) == 0 && written ? path : std::string();
}

// Splits an input into fields from its front, in a form that hand-written
// seeds can use: a field ends at a backslash followed by a line feed (both
// taken), at its length limit or at the end of the input; two backslashes
// stand for one, so every text can be a field. The same in every build, so
// a corpus means the same to libFuzzer and to the replay.
class FieldReader {
 public:
  FieldReader(const uint8_t* data, std::size_t size) : at_(data), end_(data + size) {}

  bool Empty() const { return at_ == end_; }

  // One byte's lowest bit; false at the end of the input.
  bool TakeBit() { return Empty() ? false : (*at_++ & 1) != 0; }

  std::string TakeField(std::size_t maxSize) {
    std::string field;
    while (field.size() < maxSize && !Empty()) {
      const char c = static_cast<char>(*at_++);
      if (c == '\\' && !Empty() && (*at_ == '\n' || *at_ == '\\')) {
        if (*at_++ == '\n') break;
      }
      field += c;
    }
    return field;
  }

 private:
  const uint8_t* at_;
  const uint8_t* end_;
};

}  // namespace lumo::fuzz
