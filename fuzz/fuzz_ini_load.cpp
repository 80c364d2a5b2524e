// Loads arbitrary bytes as an INI file with both hooks and checks that the
// document is consistent: every enumerated section is found again by its
// name in another letter case, no two sections fold to the same name, every
// key can be read back, and the hooks were called sensibly.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "catalogue/ini_document.h"
#include "platform/text_fold.h"

namespace {

const std::string& InputPath() {
  static const std::string path = [] {
    static char folder[] = "/tmp/lumo-fuzz-ini-XXXXXX";
    if (mkdtemp(folder) == nullptr) std::abort();
    return std::string(folder) + "/input.ini";
  }();
  return path;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

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
  FILE* file = std::fopen(InputPath().c_str(), "wb");
  if (file == nullptr) return 0;
  if (size > 0) std::fwrite(data, 1, size, file);
  std::fclose(file);

  lumo::IniDocument document(InputPath());
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
