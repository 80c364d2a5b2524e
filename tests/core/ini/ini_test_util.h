#pragma once

#include <string>
#include <vector>

#include "core/ini/ini_document.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace lumo::test {

// A document loaded from a file holding exactly `bytes`.
struct LoadedFile {
  TempDir dir;
  std::string path = dir.File("test.ini");
  IniDocument document{path};

  explicit LoadedFile(const std::string& bytes, const IniDocument::ProgressHook& progress = {},
                      const IniDocument::DuplicateSectionHook& duplicate = {}) {
    WriteBytes(path, bytes);
    loaded = document.Load(progress, duplicate);
  }
  bool loaded = false;
};

// Every section of the document, in enumeration order.
inline std::vector<IniSection> AllSections(const IniDocument& document) {
  std::vector<IniSection> sections;
  IniSection target;
  for (IniDocument::Position at = document.FirstSection(); at;) {
    document.NextSection(at, target);
    sections.push_back(target);
  }
  return sections;
}

inline std::vector<std::string> SectionNames(const IniDocument& document) {
  std::vector<std::string> names;
  for (const IniSection& section : AllSections(document)) names.push_back(section.GetName());
  return names;
}

}  // namespace lumo::test
