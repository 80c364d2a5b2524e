#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumo {

// The difference between two versions of a file, kept as the changed runs of
// lines only, so that either version can be made again from the other. Made
// for a few scattered changes in a large file: a renamed artist or a deleted
// album costs about the bytes it changed, not the file's size.
class FilePatch {
 public:
  // The patch that turns `before` into `after`. Any two texts will do; the
  // result is exact, though only compact when few lines differ.
  static FilePatch Between(std::string_view before, std::string_view after);
  // The patch that keeps both versions whole, shared rather than copied:
  // made without comparing them, for a change of nearly every line.
  static FilePatch Whole(std::shared_ptr<const std::string> before, std::shared_ptr<const std::string> after);

  // `before` again from `after`; nothing when `after` is not the text this
  // patch was made with (checked by size and a 64-bit fingerprint).
  std::optional<std::string> Revert(std::string_view after) const;
  // `after` again from `before`; nothing when `before` is not the original.
  std::optional<std::string> Reapply(std::string_view before) const;

  // True when the text is, by size and fingerprint, the one after the change
  // (or, for IsBefore, the one before it).
  bool IsAfter(std::string_view text) const noexcept;
  bool IsBefore(std::string_view text) const noexcept;

  // Number of changed runs, and the bytes the patch holds.
  std::size_t HunkCount() const noexcept { return hunks_.size(); }
  std::size_t MemoryUsed() const noexcept;

 private:
  struct Hunk {
    std::size_t beforeOffset = 0;
    std::size_t afterOffset = 0;
    std::string beforeBytes;
    std::string afterBytes;
  };
  struct Fingerprint {
    std::size_t size = 0;
    uint64_t hash = 0;
    bool operator==(const Fingerprint&) const = default;
  };
  static Fingerprint FingerprintOf(std::string_view text) noexcept;
  std::optional<std::string> Rebuild(std::string_view from, bool toBefore) const;

  std::vector<Hunk> hunks_;
  // Both versions, for a patch made Whole (then without hunks).
  std::shared_ptr<const std::string> wholeBefore_;
  std::shared_ptr<const std::string> wholeAfter_;
  Fingerprint before_;
  Fingerprint after_;
};

}  // namespace lumo
