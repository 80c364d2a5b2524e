#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The keys and values of one section, packed for fast loading: every key and
// value byte lives in one buffer, entries are offsets into it, and lookups
// scan the entries while a section is small and use a hash index beyond
// that. Keys are compared byte for byte: callers fold them first. Entries are
// never removed one by one; their order is the order of first insertion.
namespace lumo {

class IniEntries {
 public:
  std::size_t Size() const noexcept { return entries_.size(); }

  // The value under `key`, or nothing; the view is valid until the next Set.
  std::optional<std::string_view> Find(std::string_view key) const noexcept;

  // Sets `key` to `value`, replacing an earlier value. `value` may point
  // into this object. Throws std::length_error when the section's bytes
  // would reach 4 GB.
  void Set(std::string_view key, std::string_view value);

  // The key and value of entry `i` (0 <= i < Size()), in insertion order.
  std::pair<std::string_view, std::string_view> At(std::size_t i) const noexcept;

 private:
  // 16 bytes: a large collection holds hundreds of thousands of these. A
  // section's bytes stay far below 4 GB (a loaded file is at most 1 GB);
  // Set throws std::length_error rather than let an offset wrap.
  struct Entry {
    uint32_t offset = 0;  // the key's bytes, then the value's
    uint32_t keyLength = 0;
    uint32_t valueLength = 0;
    uint32_t hash = 0;
  };
  static constexpr std::size_t kNotFound = SIZE_MAX;
  static constexpr std::size_t kLinearLimit = 32;  // sections up to this size are scanned

  std::size_t IndexOf(std::string_view key, uint32_t hash) const noexcept;
  bool Matches(const Entry& entry, std::string_view key, uint32_t hash) const noexcept;
  void Append(std::string_view key, std::string_view value, uint32_t hash);
  void CheckRoomFor(std::size_t moreBytes) const;
  void Replace(Entry& entry, std::string_view value);
  void Compact();
  void Reindex(std::size_t slotCount);
  void IndexInsert(uint32_t entryIndex) noexcept;

  std::string bytes_;
  std::vector<Entry> entries_;
  std::vector<uint32_t> index_;  // empty up to kLinearLimit entries; else power of two, at most half full
  std::size_t garbage_ = 0;      // bytes of replaced values still in bytes_
};

}  // namespace lumo
