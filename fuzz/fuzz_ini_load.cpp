// Loads arbitrary bytes as an INI file with both hooks and checks that the
// document is consistent: every enumerated section is found again by its
// name in another letter case, no two sections fold to the same name, every
// key can be read back, and the hooks were called sensibly.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "core/ini/ini_document.h"
#include "fuzz_input.h"
#include "core/platform/text_fold.h"

namespace {

using lumo::fuzz::Check;

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return text;
}

void CheckSection(const lumo::IniDocument& document, const lumo::IniSection& section) {
  const lumo::IniSection* found = document.FindSection(Upper(section.GetName()));
  Check(found != nullptr && found->GetName() == section.GetName());
  Check(found->KeyCount() == section.KeyCount());
  std::set<std::string> keys;
  for (std::size_t i = 0; i < section.KeyCount(); ++i) {
    const auto [key, value] = section.EntryAt(i);
    Check(lumo::FoldCase(key) == key);
    Check(keys.insert(std::string(key)).second);
    Check(document.GetString(section.GetName(), Upper(std::string(key)), "\x01") == value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string path = lumo::fuzz::WriteInput("input.ini", data, size);
  if (path.empty()) return 0;

  lumo::IniDocument document(path);
  int lastPercent = 0;
  std::size_t calls = 0;
  auto progress = [&](int percent) {
    Check(percent >= 1 && percent <= 100 && percent >= lastPercent);
    lastPercent = percent;
    ++calls;
  };
  auto duplicate = [&](const std::string& name, const lumo::IniSection& existing) {
    Check(lumo::EqualsFolded(name, existing.GetName()));
  };
  Check(document.Load(progress, duplicate));
  Check(calls >= 1 && lastPercent == 100);

  std::set<std::string> folded;
  lumo::IniSection section;
  for (auto at = document.FirstSection(); at;) {
    document.NextSection(at, section);
    Check(folded.insert(lumo::FoldCase(section.GetName())).second);
    CheckSection(document, section);
  }
  Check(folded.size() == document.SectionCount());
  return 0;
}
