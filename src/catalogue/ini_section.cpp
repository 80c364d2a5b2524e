#include "catalogue/ini_section.h"

#include <utility>

#include "platform/ini_number.h"
#include "platform/text_fold.h"

namespace lumo {

IniSection::IniSection(std::string name) : name_(std::move(name)) {}

const std::string& IniSection::GetName() const { return name_; }

std::string IniSection::GetString(const std::string& key, const std::string& defaultText) const {
  const std::optional<std::string_view> value = Find(key);
  return value ? std::string(*value) : defaultText;
}

int32_t IniSection::GetInt(const std::string& key, int32_t defaultValue) const {
  const std::optional<std::string_view> value = Find(key);
  return value ? ini::ReadDecimal(*value) : defaultValue;
}

std::optional<std::string_view> IniSection::Find(std::string_view key) const {
  // Most keys fit the short-string buffer, so folding rarely allocates.
  return entries_.Find(FoldCase(key));
}

std::size_t IniSection::KeyCount() const noexcept { return entries_.Size(); }

std::pair<std::string_view, std::string_view> IniSection::EntryAt(std::size_t i) const noexcept {
  return entries_.At(i);
}

void IniSection::SetFolded(std::string_view foldedKey, std::string_view value) { entries_.Set(foldedKey, value); }

}  // namespace lumo
