// Runs a fuzz target without libFuzzer: LLVMFuzzerTestOneInput once for each
// file of the corpus folders named on the command line, in name order. The
// normal build links every target with this file and registers it as a
// test, so a target that no longer compiles, or that fails on a seed, fails
// the tests. A missing folder, or one without a file, fails too: a replay
// that tests nothing must not pass.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

// The files of `folder` in name order; false, saying why, when it is
// missing, unreadable or holds none.
bool ListInputs(const fs::path& folder, std::vector<fs::path>& inputs) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    std::fprintf(stderr, "%s: cannot read the corpus folder: %s\n", folder.c_str(), error.message().c_str());
    return false;
  }
  inputs.clear();
  for (const fs::directory_entry& entry : entries) {
    if (entry.is_regular_file(error)) inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) std::fprintf(stderr, "%s: the corpus folder holds no input\n", folder.c_str());
  return !inputs.empty();
}

bool ReadInput(const fs::path& path, std::string& bytes) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  std::ifstream file(path, std::ios::binary);
  if (!error) bytes.resize(size);
  if (error || !file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
    std::fprintf(stderr, "%s: cannot read the input\n", path.c_str());
    return false;
  }
  return true;
}

// Hands the target a block of exactly the input's size, as libFuzzer does,
// so that a read past its end is caught by AddressSanitizer.
void Replay(const std::string& bytes) {
  const auto block = std::make_unique<uint8_t[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), block.get());
  LLVMFuzzerTestOneInput(block.get(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_FOLDER...\n", argv[0]);
    return 2;
  }
  std::size_t replayed = 0;
  std::vector<fs::path> inputs;
  std::string bytes;
  for (int i = 1; i < argc; ++i) {
    if (!ListInputs(argv[i], inputs)) return 1;
    for (const fs::path& input : inputs) {
      if (!ReadInput(input, bytes)) return 1;
      // Named before it runs: a crash then says which input caused it.
      std::printf("replaying %s\n", input.c_str());
      std::fflush(stdout);
      Replay(bytes);
      ++replayed;
    }
  }
  std::printf("replayed %zu inputs\n", replayed);
  return 0;
}
