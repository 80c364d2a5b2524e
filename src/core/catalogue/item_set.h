#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

class TreeItem;

namespace lumo {

// Tree items found again by a key they hold: an open-addressing table of
// item pointers, a pointer's room per slot and no allocation per item, for
// the lookups of a build over hundreds of thousands of sections. `Traits`
// gives the key type `Key`, `static Key KeyOf(const TreeItem&)` and
// `static uint64_t Hash(const Key&)`.
template <typename Traits>
class ItemSet {
 public:
  using Key = typename Traits::Key;

  // Room for `expected` items before the table first grows.
  explicit ItemSet(std::size_t expected = 0) { Rehash(std::bit_ceil(expected * 4 / 3 + 16)); }

  // The item added with `key`, or null.
  TreeItem* Find(const Key& key) const noexcept {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = Traits::Hash(key) & mask; slots_[slot] != nullptr; slot = (slot + 1) & mask) {
      if (Traits::KeyOf(*slots_[slot]) == key) return slots_[slot];
    }
    return nullptr;
  }

  // Adds `item`, unless an item with its key is there already.
  void Add(TreeItem* item) {
    if ((size_ + 1) * 4 > slots_.size() * 3) Rehash(slots_.size() * 2);
    Place(item);
  }

 private:
  void Place(TreeItem* item) {
    const Key key = Traits::KeyOf(*item);
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = Traits::Hash(key) & mask;
    for (; slots_[slot] != nullptr; slot = (slot + 1) & mask) {
      if (Traits::KeyOf(*slots_[slot]) == key) return;
    }
    slots_[slot] = item;
    ++size_;
  }

  void Rehash(std::size_t slotCount) {
    std::vector<TreeItem*> old(slotCount, nullptr);
    old.swap(slots_);
    size_ = 0;
    for (TreeItem* item : old) {
      if (item != nullptr) Place(item);
    }
  }

  std::vector<TreeItem*> slots_;  // a power of two of them, at most three quarters in use
  std::size_t size_ = 0;
};

}  // namespace lumo
