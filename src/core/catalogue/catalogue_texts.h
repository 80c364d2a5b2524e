#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// True when `part` lies wholly inside `whole` (an empty `part` too, when it
// points there).
bool LiesWithin(std::string_view part, std::string_view whole) noexcept;

// Where a catalogue's items find their texts: in the bytes of the loaded
// file, shared with the document and never changed, or, for the few texts
// not found there (section names, sections changed since the load), in
// copies kept here, packed in large blocks. The tree that holds items made
// from these texts keeps this alive.
class CatalogueTexts {
 public:
  explicit CatalogueTexts(std::shared_ptr<const std::string> loaded) : loaded_(std::move(loaded)) {}

  // A view of `text` that lives as long as this object: `text` itself when it
  // lies in the loaded bytes, else a copy.
  std::string_view Keep(std::string_view text);

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;

  std::string_view Copy(std::string_view text);

  std::shared_ptr<const std::string> loaded_;
  // Blocks never move what they hold; the last one is being filled.
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::vector<std::unique_ptr<char[]>> longTexts_;  // a block of its own each
  std::size_t roomLeft_ = 0;  // in the last block
};

}  // namespace lumo
