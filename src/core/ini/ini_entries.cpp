#include "core/ini/ini_entries.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <stdexcept>

#include "core/ini/bucket_map.h"

namespace lumo {
namespace {

constexpr uint32_t kEmptySlot = UINT32_MAX;

uint32_t KeyHash(std::string_view key) noexcept { return static_cast<uint32_t>(IndexHash(key)); }

}  // namespace

std::optional<std::string_view> IniEntries::Find(std::string_view key) const noexcept {
  const std::size_t i = IndexOf(key, KeyHash(key));
  if (i == kNotFound) return std::nullopt;
  return At(i).second;
}

void IniEntries::Set(std::string_view key, std::string_view value) {
  // A value taken from our own buffer would dangle once the buffer grows.
  const std::less<const char*> before;
  if (!value.empty() && !before(value.data(), bytes_.data()) && before(value.data(), bytes_.data() + bytes_.size())) {
    const std::string copy(value);
    Set(key, copy);
    return;
  }
  const uint32_t hash = KeyHash(key);
  const std::size_t i = IndexOf(key, hash);
  if (i == kNotFound) {
    Append(key, value, hash);
  } else {
    Replace(entries_[i], value);
  }
}

std::pair<std::string_view, std::string_view> IniEntries::At(std::size_t i) const noexcept {
  const Entry& entry = entries_[i];
  const std::string_view all(bytes_);
  return {all.substr(entry.offset, entry.keyLength), all.substr(entry.offset + entry.keyLength, entry.valueLength)};
}

bool IniEntries::Matches(const Entry& entry, std::string_view key, uint32_t hash) const noexcept {
  return entry.hash == hash && entry.keyLength == key.size() &&
         std::memcmp(bytes_.data() + entry.offset, key.data(), key.size()) == 0;
}

std::size_t IniEntries::IndexOf(std::string_view key, uint32_t hash) const noexcept {
  if (index_.empty()) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
      if (Matches(entries_[i], key, hash)) return i;
    }
    return kNotFound;
  }
  const std::size_t mask = index_.size() - 1;
  for (std::size_t slot = hash & mask; index_[slot] != kEmptySlot; slot = (slot + 1) & mask) {
    if (Matches(entries_[index_[slot]], key, hash)) return index_[slot];
  }
  return kNotFound;
}

void IniEntries::Append(std::string_view key, std::string_view value, uint32_t hash) {
  // Most sections are a few hundred bytes; start there rather than doubling up from nothing.
  if (bytes_.capacity() == 0) bytes_.reserve(256);
  if (entries_.capacity() == 0) entries_.reserve(16);
  CheckRoomFor(key.size() + value.size());
  entries_.push_back(Entry{static_cast<uint32_t>(bytes_.size()), static_cast<uint32_t>(key.size()),
                           static_cast<uint32_t>(value.size()), hash});
  bytes_.append(key);
  bytes_.append(value);
  if (entries_.size() > kLinearLimit && entries_.size() * 2 > index_.size()) {
    Reindex(index_.empty() ? kLinearLimit * 4 : index_.size() * 2);
  } else if (!index_.empty()) {
    IndexInsert(static_cast<uint32_t>(entries_.size() - 1));
  }
}

void IniEntries::Replace(Entry& entry, std::string_view value) {
  if (value.size() <= entry.valueLength) {
    // Fits where the old value was: overwrite, and count the rest as garbage.
    std::memmove(bytes_.data() + entry.offset + entry.keyLength, value.data(), value.size());
    garbage_ += entry.valueLength - value.size();
    entry.valueLength = static_cast<uint32_t>(value.size());
    return;
  }
  CheckRoomFor(entry.keyLength + value.size());
  garbage_ += entry.keyLength + entry.valueLength;
  const std::size_t offset = bytes_.size();
  bytes_.append(bytes_, entry.offset, entry.keyLength);
  bytes_.append(value);
  entry.offset = static_cast<uint32_t>(offset);
  entry.valueLength = static_cast<uint32_t>(value.size());
  // Repeated writes must not let dead bytes grow without bound.
  if (garbage_ > 1024 && garbage_ * 2 > bytes_.size()) Compact();
}

void IniEntries::CheckRoomFor(std::size_t moreBytes) const {
  // Offsets and lengths are 32 bits wide.
  if (moreBytes >= UINT32_MAX - bytes_.size()) throw std::length_error("INI section of 4 GB or more");
}

void IniEntries::Compact() {
  std::string packed;
  packed.reserve(bytes_.size() - garbage_);
  for (Entry& entry : entries_) {
    const std::size_t offset = packed.size();
    packed.append(bytes_, entry.offset, std::size_t{entry.keyLength} + entry.valueLength);
    entry.offset = static_cast<uint32_t>(offset);
  }
  bytes_ = std::move(packed);
  garbage_ = 0;
}

void IniEntries::Reindex(std::size_t slotCount) {
  index_.assign(slotCount, kEmptySlot);
  for (std::size_t i = 0; i < entries_.size(); ++i) IndexInsert(static_cast<uint32_t>(i));
}

void IniEntries::IndexInsert(uint32_t entryIndex) noexcept {
  const std::size_t mask = index_.size() - 1;
  std::size_t slot = entries_[entryIndex].hash & mask;
  while (index_[slot] != kEmptySlot) slot = (slot + 1) & mask;
  index_[slot] = entryIndex;
}

}  // namespace lumo
