// Any file body and a few writes and removals: each accepted write reads back
// as written, each removal leaves no value behind, each refused edit leaves
// the file byte for byte as it was, and the same edits as one batch give the
// same bytes as one by one.
//
// The input, as fields (FieldReader): the file's body, then up to four edits,
// each a byte whose lowest bit chooses (odd, such as 'W': write a key; even,
// such as 'D': remove a section) and the edit's fields: section, key and
// value for a write, the section for a removal.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "core/platform/atomic_file.h"
#include "core/platform/profile.h"
#include "core/platform/safe_replace.h"

namespace {

using lumo::profile::Edit;

using lumo::fuzz::Check;

const char kAbsent[] = "\x01" "absent\x02";

std::string ReadBytes(const std::string& path) {
  std::string bytes;
  Check(lumo::platform::ReadFileBytes(path, bytes) == lumo::platform::ReadStatus::Read);
  return bytes;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  const auto whole = [&](const std::string&) { return std::optional<std::string>(bytes); };
  if (lumo::platform::ReplaceIfUnchanged(path, {}, whole).Failed()) lumo::fuzz::Check(false);
}

std::vector<Edit> TakeEdits(lumo::fuzz::FieldReader& input) {
  std::vector<Edit> edits;
  while (edits.size() < 4 && !input.Empty()) {
    if (!input.TakeBit()) {
      edits.push_back(Edit::Remove(input.TakeField(16)));
    } else {
      std::string section = input.TakeField(16);
      std::string key = input.TakeField(16);
      edits.push_back(Edit::Set(std::move(section), std::move(key), input.TakeField(1100)));
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
    Check(ReadBytes(file) == before);
    return false;
  }
  Check(!set || lumo::profile::GetString(edit.section, edit.key, kAbsent, file) == edit.value.substr(0, 1023));
  for (const Edit& other : all) {
    Check(set || lumo::profile::GetString(edit.section, other.key, kAbsent, file) == kAbsent);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  lumo::fuzz::FieldReader input(data, size);
  const std::string body = input.TakeField(4096);
  const std::vector<Edit> edits = TakeEdits(input);
  const std::string single = lumo::fuzz::ScratchFolder() + "/single.ini";
  const std::string batch = lumo::fuzz::ScratchFolder() + "/batch.ini";
  WriteBytes(single, body);
  std::vector<Edit> accepted;
  for (const Edit& edit : edits) {
    if (ApplyAndCheck(edit, edits, single)) accepted.push_back(edit);
  }
  WriteBytes(batch, body);
  Check(lumo::profile::ApplyEdits(accepted, batch) && ReadBytes(batch) == ReadBytes(single));
  return 0;
}
