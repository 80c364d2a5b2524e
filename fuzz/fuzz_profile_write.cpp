// Any file body and a few writes and removals: each accepted write reads back
// as written, each removal leaves no value behind, each refused edit leaves
// the file byte for byte as it was, and the same edits as one batch give the
// same bytes as one by one.
#include <fuzzer/FuzzedDataProvider.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/atomic_file.h"
#include "core/platform/profile.h"
#include "core/platform/safe_replace.h"

namespace {

using lumo::profile::Edit;

const char kAbsent[] = "\x01" "absent\x02";

// tmpfs when there is one: flushing to it costs nothing.
const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm/lumo-fuzz-XXXXXX" : "/tmp/lumo-fuzz-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) ::abort();
    return pattern;
  }();
  return folder;
}

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  if (lumo::platform::ReadFileBytes(path, bytes) != lumo::platform::ReadStatus::Read) ::abort();
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  const auto whole = [&](const std::string&) { return std::optional<std::string>(bytes); };
  if (lumo::platform::ReplaceIfUnchanged(path, {}, whole).Failed()) ::abort();
}

std::vector<Edit> ConsumeEdits(FuzzedDataProvider& input) {
  std::vector<Edit> edits;
  while (edits.size() < 4 && input.remaining_bytes() > 0) {
    if (input.ConsumeBool()) {
      edits.push_back(Edit::Remove(input.ConsumeRandomLengthString(16)));
    } else {
      std::string section = input.ConsumeRandomLengthString(16);
      std::string key = input.ConsumeRandomLengthString(16);
      edits.push_back(Edit::Set(std::move(section), std::move(key), input.ConsumeRandomLengthString(1100)));
    }
  }
  return edits;
}

// Applies one edit and checks what a reader then sees; true when accepted.
bool ApplyAndCheck(const Edit& edit, const std::vector<Edit>& all, const std::string& file) {
  const std::string before = ReadBytes(file);
  const bool set = edit.kind == Edit::Kind::SetKey;
  if (!(set ? lumo::profile::WriteString(edit.section, edit.key, edit.value, file)
            : lumo::profile::DeleteSection(edit.section, file))) {
    if (ReadBytes(file) != before) ::abort();
    return false;
  }
  if (set && lumo::profile::GetString(edit.section, edit.key, kAbsent, file) != edit.value.substr(0, 1023)) ::abort();
  for (const Edit& other : all) {
    if (!set && lumo::profile::GetString(edit.section, other.key, kAbsent, file) != kAbsent) ::abort();
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string body = input.ConsumeRandomLengthString(4096);
  const std::vector<Edit> edits = ConsumeEdits(input);
  const std::string single = Folder() + "/single.ini";
  const std::string batch = Folder() + "/batch.ini";
  WriteBytes(single, body);
  std::vector<Edit> accepted;
  for (const Edit& edit : edits) {
    if (ApplyAndCheck(edit, edits, single)) accepted.push_back(edit);
  }
  WriteBytes(batch, body);
  if (!lumo::profile::ApplyEdits(accepted, batch) || ReadBytes(batch) != ReadBytes(single)) ::abort();
  return 0;
}
