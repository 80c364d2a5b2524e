#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A map from names to values that enumerates in the order of the classic
// 17-bucket chained hash table the CD player's tools used (bucket 0 to 16,
// newest entry first within a bucket), while lookups go through an
// open-addressing index and stay O(1) on average; removal walks the
// entry's bucket.
//
// Keys are compared byte for byte: callers fold names before they store or
// look them up. Removing an entry leaves the order of all others unchanged.
// A Cursor names one entry; it stays valid until that entry is erased or the
// map is cleared or assigned, and so do references to its value.
namespace lumo {

// The 17-bucket table's hash: h = h * 33 + byte, each byte taken as a signed
// 8-bit value, 32-bit unsigned wrapping arithmetic, h starting at 0.
inline uint32_t ClassicNameHash(std::string_view name) noexcept {
  uint32_t h = 0;
  for (char c : name) h = h * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
  return h;
}

// The index's hash: 64-bit FNV-1a, then a final mix, because FNV's low bits
// (the ones a power-of-two table uses) depend only on the inputs' low bits
// and cluster badly for names like hex CD keys.
inline uint64_t IndexHash(std::string_view name) noexcept {
  uint64_t h = 14695981039346656037ull;
  for (char c : name) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  return h;
}

// How a map's entries hold their keys. By default each entry keeps a copy
// of the key it was made with. A policy whose values hold their own keys
// keeps nothing (an empty Stored) and finds them in the value; the caller
// then gives a new value its key right after Emplace.
struct CopiedKeys {
  using Stored = std::string;
  static void Store(Stored& stored, std::string_view key) { stored.assign(key); }
  template <typename Value>
  static bool Matches(const Stored& stored, const Value&, std::string_view key) noexcept {
    return stored == key;
  }
  // The key an entry was made with (`buffer` may hold it).
  template <typename Value>
  static std::string_view KeyOf(const Stored& stored, const Value&, std::string& /*buffer*/) {
    return stored;
  }
};

template <typename Value, typename Keys = CopiedKeys>
class BucketMap {
 public:
  using Cursor = uint32_t;
  static constexpr Cursor kNone = UINT32_MAX;
  static constexpr uint32_t kBucketCount = 17;

  static uint32_t BucketOf(std::string_view key) noexcept { return ClassicNameHash(key) % kBucketCount; }

  BucketMap() { heads_.fill(kNone); }
  BucketMap(const BucketMap& other)
      : slots_(other.slots_), heads_(other.heads_), free_(other.free_), size_(other.size_),
        nodeCount_(other.nodeCount_) {
    blocks_.reserve(other.blocks_.size());
    for (const auto& block : other.blocks_) {
      blocks_.push_back(std::make_unique<Node[]>(kBlockSize));
      std::copy(block.get(), block.get() + kBlockSize, blocks_.back().get());
    }
  }
  BucketMap& operator=(const BucketMap& other) {
    if (this != &other) *this = BucketMap(other);
    return *this;
  }
  BucketMap(BucketMap&&) noexcept = default;
  BucketMap& operator=(BucketMap&&) noexcept = default;

  std::size_t Size() const noexcept { return size_; }
  bool Empty() const noexcept { return size_ == 0; }

  // Removes every entry.
  void Clear() noexcept {
    blocks_.clear();
    nodeCount_ = 0;
    slots_.clear();
    heads_.fill(kNone);
    free_ = kNone;
    size_ = 0;
  }

  // Makes room in the index for `count` entries, so that growing to them
  // rebuilds nothing. Entries themselves are made in blocks that never move.
  void Reserve(std::size_t count) {
    std::size_t slotCount = 16;  // not "slots": Qt defines that as a macro
    while (slotCount * 3 < count * 4) slotCount *= 2;
    if (slotCount > slots_.size()) Rehash(slotCount);
  }

  // Gives back the memory of the index that finds entries by key, for a map
  // that is only enumerated from now on; the next look-up or change makes
  // the index again.
  void DropIndex() noexcept { std::vector<Slot>().swap(slots_); }

  // The entry under `key`, or kNone.
  Cursor Find(std::string_view key) const {
    EnsureIndex();
    return Find(key, Hash(key));
  }

  // The entry under `key`, made with a default value at the front of its
  // bucket when missing; `second` tells whether it was made.
  std::pair<Cursor, bool> Emplace(std::string_view key) {
    EnsureIndex();
    const uint32_t hash = Hash(key);
    const Cursor found = Find(key, hash);
    if (found != kNone) return {found, false};
    if ((size_ + 1) * 4 > slots_.size() * 3) Rehash(slots_.empty() ? 16 : slots_.size() * 2);
    const Cursor c = NewNode(key);
    LinkFront(c);
    InsertSlot(Slot{c, hash});
    ++size_;
    return {c, true};
  }

  // Removes the entry under `key`; false when there is none.
  bool Erase(std::string_view key) {
    EnsureIndex();
    const uint32_t hash = Hash(key);
    const Cursor c = Find(key, hash);
    if (c == kNone) return false;
    EraseSlot(c, hash);
    Unlink(c);
    Node& node = At(c);
    node.key = typename Keys::Stored();
    node.value = Value();
    node.bucket = kDead;
    node.next = free_;
    free_ = c;
    --size_;
    return true;
  }

  // Enumeration: First() then Next() until kNone.
  Cursor First() const noexcept { return FirstFromBucket(0); }
  Cursor Next(Cursor c) const noexcept {
    const Node& node = At(c);
    return node.next != kNone ? node.next : FirstFromBucket(node.bucket + 1u);
  }

  // True when `c` names a present entry (false for stale cursors).
  bool IsLive(Cursor c) const noexcept { return c < nodeCount_ && At(c).bucket != kDead; }

  // The key kept for the entry (with CopiedKeys, the key itself).
  const typename Keys::Stored& KeyAt(Cursor c) const noexcept { return At(c).key; }
  const Value& ValueAt(Cursor c) const noexcept { return At(c).value; }
  Value& ValueAt(Cursor c) noexcept { return At(c).value; }

 private:
  static constexpr uint8_t kDead = 0xFF;
  static constexpr uint32_t kBlockBits = 12;
  static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockBits;

  // No link to the newer entry: only Erase would need it, and it walks the
  // bucket instead, so that a map of millions of entries is smaller.
  struct Node {
    [[no_unique_address]] typename Keys::Stored key;
    Value value{};
    Cursor next = kNone;  // older entry of the same bucket
    uint8_t bucket = kDead;
  };

  // An index entry: the node and the lower half of its key's hash, which
  // both places it and spares a visit to every node that merely shares the
  // slot run.
  struct Slot {
    Cursor node = kNone;
    uint32_t hash = 0;
  };

  static uint32_t Hash(std::string_view key) noexcept { return static_cast<uint32_t>(IndexHash(key)); }
  std::size_t Mask() const noexcept { return slots_.size() - 1; }
  Node& At(Cursor c) noexcept { return blocks_[c >> kBlockBits][c & (kBlockSize - 1)]; }
  const Node& At(Cursor c) const noexcept { return blocks_[c >> kBlockBits][c & (kBlockSize - 1)]; }

  Cursor Find(std::string_view key, uint32_t hash) const noexcept {
    if (slots_.empty()) return kNone;
    for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
      const Slot& probe = slots_[slot];
      if (probe.node == kNone) return kNone;
      if (probe.hash == hash && Keys::Matches(At(probe.node).key, At(probe.node).value, key)) return probe.node;
    }
  }

  Cursor FirstFromBucket(uint32_t bucket) const noexcept {
    for (; bucket < kBucketCount; ++bucket) {
      if (heads_[bucket] != kNone) return heads_[bucket];
    }
    return kNone;
  }

  Cursor NewNode(std::string_view key) {
    Cursor c = free_;
    if (c != kNone) {
      free_ = At(c).next;
    } else {
      if ((nodeCount_ >> kBlockBits) == blocks_.size()) blocks_.push_back(std::make_unique<Node[]>(kBlockSize));
      c = nodeCount_++;
    }
    Node& node = At(c);
    Keys::Store(node.key, key);
    node.bucket = static_cast<uint8_t>(BucketOf(key));
    return c;
  }

  void LinkFront(Cursor c) noexcept {
    Node& node = At(c);
    node.next = heads_[node.bucket];
    heads_[node.bucket] = c;
  }

  void Unlink(Cursor c) noexcept {
    const Node& node = At(c);
    Cursor* link = &heads_[node.bucket];
    while (*link != c) link = &At(*link).next;
    *link = node.next;
  }

  void InsertSlot(Slot entry) const noexcept {
    std::size_t slot = entry.hash & Mask();
    while (slots_[slot].node != kNone) slot = (slot + 1) & Mask();
    slots_[slot] = entry;
  }

  // Linear probing with backward-shift deletion, so no tombstones pile up.
  void EraseSlot(Cursor c, uint32_t hash) noexcept {
    std::size_t hole = hash & Mask();
    while (slots_[hole].node != c) hole = (hole + 1) & Mask();
    for (std::size_t probe = (hole + 1) & Mask(); slots_[probe].node != kNone; probe = (probe + 1) & Mask()) {
      const std::size_t home = slots_[probe].hash & Mask();
      // Move the entry back when its home does not lie cyclically in (hole, probe].
      if (((probe - home) & Mask()) >= ((probe - hole) & Mask())) {
        slots_[hole] = slots_[probe];
        hole = probe;
      }
    }
    slots_[hole] = Slot{};
  }

  // Makes the index again after DropIndex.
  void EnsureIndex() const {
    if (!slots_.empty() || size_ == 0) return;
    std::size_t slotCount = 16;
    while (slotCount * 3 < size_ * 4) slotCount *= 2;
    slots_.assign(slotCount, Slot{});
    std::string buffer;
    for (Cursor c = 0; c < nodeCount_; ++c) {
      const Node& node = At(c);
      if (node.bucket != kDead) InsertSlot(Slot{c, Hash(Keys::KeyOf(node.key, node.value, buffer))});
    }
  }

  void Rehash(std::size_t slotCount) {
    std::vector<Slot> old(slotCount, Slot{});
    old.swap(slots_);
    for (const Slot& entry : old) {
      if (entry.node != kNone) InsertSlot(entry);
    }
  }

  // Entries in blocks of kBlockSize that never move: growing copies nothing,
  // and needs no room for an old and a new array at once.
  std::vector<std::unique_ptr<Node[]>> blocks_;
  // Power-of-two size, at most three quarters full; empty after DropIndex.
  mutable std::vector<Slot> slots_;
  std::array<Cursor, kBucketCount> heads_{};
  Cursor free_ = kNone;  // erased nodes, chained through `next`
  std::size_t size_ = 0;
  Cursor nodeCount_ = 0;  // nodes made, erased ones included
};

}  // namespace lumo
