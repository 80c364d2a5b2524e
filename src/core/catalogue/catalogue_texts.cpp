#include "core/catalogue/catalogue_texts.h"

#include <cstring>
#include <functional>

namespace lumo {

bool LiesWithin(std::string_view part, std::string_view whole) noexcept {
  // Compared as std::less does: pointers into different objects are unordered otherwise.
  const std::less_equal<const char*> notAfter;
  return part.data() != nullptr && notAfter(whole.data(), part.data()) &&
         notAfter(part.data() + part.size(), whole.data() + whole.size());
}

std::string_view CatalogueTexts::Keep(std::string_view text) {
  if (text.empty()) return {};
  if (loaded_ && LiesWithin(text, *loaded_)) return text;
  return Copy(text);
}

std::string_view CatalogueTexts::Copy(std::string_view text) {
  if (text.size() > kBlockSize / 4) {
    // A long text gets a block of its own; the current block stays open.
    char* own = longTexts_.emplace_back(std::make_unique_for_overwrite<char[]>(text.size())).get();
    std::memcpy(own, text.data(), text.size());
    return {own, text.size()};
  }
  if (roomLeft_ < text.size()) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
    roomLeft_ = kBlockSize;
  }
  char* target = blocks_.back().get() + (kBlockSize - roomLeft_);
  std::memcpy(target, text.data(), text.size());
  roomLeft_ -= text.size();
  return {target, text.size()};
}

}  // namespace lumo
