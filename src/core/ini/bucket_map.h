#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A map from names to values that enumerates in the order of the classic
// 17-bucket chained hash table the CD player's tools used (bucket 0 to 16,
// newest entry first within a bucket), while lookups go through an
// open-addressing index and stay O(1) on average.
//
// Keys are compared byte for byte: callers fold names before they store or
// look them up. Removing an entry leaves the order of all others unchanged.
// A Cursor names one entry; it stays valid until that entry is erased or the
// map is cleared or assigned. References to values stay valid until the next
// insertion, Clear or assignment.
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

template <typename Value>
class BucketMap {
 public:
  using Cursor = uint32_t;
  static constexpr Cursor kNone = UINT32_MAX;
  static constexpr uint32_t kBucketCount = 17;

  static uint32_t BucketOf(std::string_view key) noexcept { return ClassicNameHash(key) % kBucketCount; }

  BucketMap() { heads_.fill(kNone); }

  std::size_t Size() const noexcept { return size_; }
  bool Empty() const noexcept { return size_ == 0; }

  // Removes every entry.
  void Clear() noexcept {
    nodes_.clear();
    slots_.clear();
    heads_.fill(kNone);
    free_ = kNone;
    size_ = 0;
  }

  // Makes room for `count` entries, so that growing to them moves nothing.
  void Reserve(std::size_t count) {
    nodes_.reserve(count);
    std::size_t slotCount = 16;  // not "slots": Qt defines that as a macro
    while (slotCount < count * 2) slotCount *= 2;
    if (slotCount > slots_.size()) Rehash(slotCount);
  }

  // The entry under `key`, or kNone.
  Cursor Find(std::string_view key) const noexcept {
    if (slots_.empty()) return kNone;
    const uint64_t hash = IndexHash(key);
    for (std::size_t slot = hash & Mask();; slot = (slot + 1) & Mask()) {
      const Slot& probe = slots_[slot];
      if (probe.node == kNone) return kNone;
      // The tag spares a visit to every node that merely shares the slot run.
      if (probe.tag == Tag(hash) && nodes_[probe.node].key == key) return probe.node;
    }
  }

  // The entry under `key`, made with a default value at the front of its
  // bucket when missing; `second` tells whether it was made.
  std::pair<Cursor, bool> Emplace(std::string_view key) {
    const Cursor found = Find(key);
    if (found != kNone) return {found, false};
    if ((size_ + 1) * 2 > slots_.size()) Rehash(slots_.empty() ? 16 : slots_.size() * 2);
    const Cursor c = NewNode(key);
    LinkFront(c);
    InsertSlot(c);
    ++size_;
    return {c, true};
  }

  // Removes the entry under `key`; false when there is none.
  bool Erase(std::string_view key) {
    const Cursor c = Find(key);
    if (c == kNone) return false;
    EraseSlot(c);
    Unlink(c);
    Node& node = nodes_[c];
    node.key = std::string();
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
    const Node& node = nodes_[c];
    return node.next != kNone ? node.next : FirstFromBucket(node.bucket + 1u);
  }

  // True when `c` names a present entry (false for stale cursors).
  bool IsLive(Cursor c) const noexcept { return c < nodes_.size() && nodes_[c].bucket != kDead; }

  const std::string& KeyAt(Cursor c) const noexcept { return nodes_[c].key; }
  const Value& ValueAt(Cursor c) const noexcept { return nodes_[c].value; }
  Value& ValueAt(Cursor c) noexcept { return nodes_[c].value; }

 private:
  static constexpr uint8_t kDead = 0xFF;

  struct Node {
    std::string key;
    Value value{};
    uint64_t hash = 0;
    Cursor prev = kNone;  // newer entry of the same bucket
    Cursor next = kNone;  // older entry of the same bucket
    uint8_t bucket = kDead;
  };

  struct Slot {
    Cursor node = kNone;
    uint32_t tag = 0;  // the hash's upper half
  };

  static uint32_t Tag(uint64_t hash) noexcept { return static_cast<uint32_t>(hash >> 32); }
  std::size_t Mask() const noexcept { return slots_.size() - 1; }

  Cursor FirstFromBucket(uint32_t bucket) const noexcept {
    for (; bucket < kBucketCount; ++bucket) {
      if (heads_[bucket] != kNone) return heads_[bucket];
    }
    return kNone;
  }

  Cursor NewNode(std::string_view key) {
    Cursor c = free_;
    if (c != kNone) {
      free_ = nodes_[c].next;
    } else {
      c = static_cast<Cursor>(nodes_.size());
      nodes_.emplace_back();
    }
    Node& node = nodes_[c];
    node.key.assign(key);
    node.hash = IndexHash(key);
    node.bucket = static_cast<uint8_t>(BucketOf(key));
    return c;
  }

  void LinkFront(Cursor c) noexcept {
    Node& node = nodes_[c];
    node.prev = kNone;
    node.next = heads_[node.bucket];
    if (node.next != kNone) nodes_[node.next].prev = c;
    heads_[node.bucket] = c;
  }

  void Unlink(Cursor c) noexcept {
    Node& node = nodes_[c];
    if (node.prev != kNone) {
      nodes_[node.prev].next = node.next;
    } else {
      heads_[node.bucket] = node.next;
    }
    if (node.next != kNone) nodes_[node.next].prev = node.prev;
  }

  void InsertSlot(Cursor c) noexcept {
    std::size_t slot = nodes_[c].hash & Mask();
    while (slots_[slot].node != kNone) slot = (slot + 1) & Mask();
    slots_[slot] = Slot{c, Tag(nodes_[c].hash)};
  }

  // Linear probing with backward-shift deletion, so no tombstones pile up.
  void EraseSlot(Cursor c) noexcept {
    std::size_t hole = nodes_[c].hash & Mask();
    while (slots_[hole].node != c) hole = (hole + 1) & Mask();
    for (std::size_t probe = (hole + 1) & Mask(); slots_[probe].node != kNone; probe = (probe + 1) & Mask()) {
      const std::size_t home = nodes_[slots_[probe].node].hash & Mask();
      // Move the entry back when its home does not lie cyclically in (hole, probe].
      if (((probe - home) & Mask()) >= ((probe - hole) & Mask())) {
        slots_[hole] = slots_[probe];
        hole = probe;
      }
    }
    slots_[hole] = Slot{};
  }

  void Rehash(std::size_t slotCount) {
    slots_.assign(slotCount, Slot{});
    for (Cursor c = 0; c < nodes_.size(); ++c) {
      if (nodes_[c].bucket != kDead) InsertSlot(c);
    }
  }

  std::vector<Node> nodes_;
  std::vector<Slot> slots_;  // power-of-two size, at most half full
  std::array<Cursor, kBucketCount> heads_{};
  Cursor free_ = kNone;  // erased nodes, chained through `next`
  std::size_t size_ = 0;
};

}  // namespace lumo
