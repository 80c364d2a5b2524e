#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "catalogue/ini_entries.h"

namespace lumo {

// One section of an INI file in memory: its name as first written and its
// keys (folded to lower case) with their values exactly as read or written.
// A plain value: copying copies the name and every entry.
class IniSection {
 public:
  explicit IniSection(std::string name = {});

  // The name with the letter case of the header (or write) that made it.
  const std::string& GetName() const;

  // The value of `key`, matched in any letter case, or `defaultText`.
  std::string GetString(const std::string& key, const std::string& defaultText) const;

  // The value of `key` read as a decimal integer (see ini::ReadDecimal; a
  // value without digits gives 0), or `defaultValue` when the key is missing.
  int32_t GetInt(const std::string& key, int32_t defaultValue) const;

  // The value of `key` in any letter case, or nothing; the view is valid
  // until the section changes.
  std::optional<std::string_view> Find(std::string_view key) const;

  // How many keys the section holds, and key (folded) and value of the i-th
  // (0 <= i < KeyCount()), in the order the keys first appeared.
  std::size_t KeyCount() const noexcept;
  std::pair<std::string_view, std::string_view> EntryAt(std::size_t i) const noexcept;

  // Calls `visit(foldedKey, value)` for the section's keys, each at least
  // once; a key that comes more than once comes last with its current value,
  // so applying the calls in order gives the section's content. Cheaper than
  // a Find per key. The section must not change meanwhile.
  template <typename Visit>
  void ForEachAssignment(Visit&& visit) const {
    for (std::size_t i = 0; i < KeyCount(); ++i) {
      const auto [key, value] = EntryAt(i);
      visit(key, value);
    }
  }

 private:
  friend class IniDocument;

  // Sets an already folded key, replacing an earlier value.
  void SetFolded(std::string_view foldedKey, std::string_view value);

  std::string name_;
  IniEntries entries_;
};

}  // namespace lumo
