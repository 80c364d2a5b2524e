#include "catalogue/ini_section.h"

#include <utility>

#include "catalogue/ini_number.h"
#include "platform/text_fold.h"

namespace lumo {

IniSection::IniSection(std::string name) : name_(std::move(name)) {}

const std::string& IniSection::GetName() const { return name_; }

std::string IniSection::GetString(const std::string& key, const std::string& defaultText) const {
  const std::string* value = Find(key);
  return value != nullptr ? *value : defaultText;
}

int32_t IniSection::GetInt(const std::string& key, int32_t defaultValue) const {
  const std::string* value = Find(key);
  return value != nullptr ? ini::ReadDecimal(*value) : defaultValue;
}

const std::string* IniSection::Find(std::string_view key) const {
  const auto cursor = entries_.Find(FoldCase(key));
  return cursor != entries_.kNone ? &entries_.ValueAt(cursor) : nullptr;
}

std::size_t IniSection::KeyCount() const noexcept { return entries_.Size(); }

void IniSection::SetFolded(std::string_view foldedKey, std::string_view value) {
  entries_.ValueAt(entries_.Emplace(foldedKey).first).assign(value);
}

}  // namespace lumo
