#include "core/edit/file_patch.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace lumo {

namespace {

using Lines = std::vector<std::string_view>;

// Lines with their ends, so that joining them gives the text back.
Lines SplitLines(std::string_view text) {
  Lines lines;
  // Counted first: a big file's vector is then filled without being moved.
  lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

// A range of lines on each side: [beforeFirst, beforeLast) and [afterFirst, afterLast).
struct Span {
  std::size_t beforeFirst, beforeLast, afterFirst, afterLast;
};

// Narrows a span by the lines it starts and ends with on both sides.
Span Trimmed(Span s, const Lines& before, const Lines& after) {
  while (s.beforeFirst < s.beforeLast && s.afterFirst < s.afterLast && before[s.beforeFirst] == after[s.afterFirst]) {
    ++s.beforeFirst;
    ++s.afterFirst;
  }
  while (s.beforeFirst < s.beforeLast && s.afterFirst < s.afterLast &&
         before[s.beforeLast - 1] == after[s.afterLast - 1]) {
    --s.beforeLast;
    --s.afterLast;
  }
  return s;
}

struct Anchor {
  std::size_t before, after;
};

// Only section headers can pair the versions up: they are few, and in a
// cdplayer.ini nearly all are unique, so pairing stays cheap on a big file.
bool MayAnchor(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line[first] == '[';
}

// Headers found exactly once on each side pair the two versions up; the
// longest run of pairs in the same order on both sides is kept (patience
// sorting). Without any, the changed span is one run.
std::vector<Anchor> UniqueAnchors(const Span& s, const Lines& before, const Lines& after) {
  struct Seen {
    std::size_t countBefore = 0, countAfter = 0, before = 0, after = 0;
  };
  std::unordered_map<std::string_view, Seen> seen;
  for (std::size_t i = s.beforeFirst; i < s.beforeLast; ++i) {
    if (!MayAnchor(before[i])) continue;
    Seen& entry = seen[before[i]];
    ++entry.countBefore;
    entry.before = i;
  }
  for (std::size_t j = s.afterFirst; j < s.afterLast; ++j) {
    if (!MayAnchor(after[j])) continue;
    auto found = seen.find(after[j]);
    if (found == seen.end()) continue;
    ++found->second.countAfter;
    found->second.after = j;
  }
  std::vector<Anchor> pairs;
  for (const auto& [line, entry] : seen) {
    if (entry.countBefore == 1 && entry.countAfter == 1) pairs.push_back({entry.before, entry.after});
  }
  std::sort(pairs.begin(), pairs.end(), [](const Anchor& a, const Anchor& b) { return a.before < b.before; });
  // Longest increasing run of `after` positions.
  std::vector<std::size_t> tails, previous(pairs.size(), SIZE_MAX), tailIndex;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    auto at = std::lower_bound(tails.begin(), tails.end(), pairs[i].after);
    const std::size_t length = static_cast<std::size_t>(at - tails.begin());
    if (length > 0) previous[i] = tailIndex[length - 1];
    if (at == tails.end()) {
      tails.push_back(pairs[i].after);
      tailIndex.push_back(i);
    } else {
      *at = pairs[i].after;
      tailIndex[length] = i;
    }
  }
  std::vector<Anchor> kept;
  for (std::size_t i = tailIndex.empty() ? SIZE_MAX : tailIndex.back(); i != SIZE_MAX; i = previous[i]) {
    kept.push_back(pairs[i]);
  }
  std::reverse(kept.begin(), kept.end());
  return kept;
}

// Byte offsets of each line start, with the text's size at the end.
std::vector<std::size_t> Offsets(const Lines& lines, std::size_t total) {
  std::vector<std::size_t> offsets;
  offsets.reserve(lines.size() + 1);
  std::size_t at = 0;
  for (std::string_view line : lines) {
    offsets.push_back(at);
    at += line.size();
  }
  offsets.push_back(total);
  return offsets;
}

}  // namespace

// The bytes both texts share at their start and at their end, cut back to
// whole lines, so that only the part in between need be split into lines.
std::pair<std::size_t, std::size_t> SharedEnds(std::string_view before, std::string_view after) {
  const std::size_t shortest = std::min(before.size(), after.size());
  std::size_t head = static_cast<std::size_t>(
      std::mismatch(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(shortest), after.begin()).first -
      before.begin());
  while (head > 0 && before[head - 1] != '\n') --head;
  std::size_t tail = 0;
  while (tail < shortest - head && before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) ++tail;
  while (tail > 0 && tail < before.size() && before[before.size() - tail - 1] != '\n') --tail;
  return {head, tail};
}

FilePatch FilePatch::Between(std::string_view before, std::string_view after) {
  FilePatch patch;
  patch.before_ = FingerprintOf(before);
  patch.after_ = FingerprintOf(after);
  const auto [head, tail] = SharedEnds(before, after);
  const std::string_view beforeMiddle = before.substr(head, before.size() - head - tail);
  const std::string_view afterMiddle = after.substr(head, after.size() - head - tail);
  const Lines beforeLines = SplitLines(beforeMiddle), afterLines = SplitLines(afterMiddle);
  const Span whole = Trimmed({0, beforeLines.size(), 0, afterLines.size()}, beforeLines, afterLines);
  std::vector<Span> gaps;
  Span gap{whole.beforeFirst, 0, whole.afterFirst, 0};
  for (const Anchor& anchor : UniqueAnchors(whole, beforeLines, afterLines)) {
    gaps.push_back({gap.beforeFirst, anchor.before, gap.afterFirst, anchor.after});
    gap = {anchor.before + 1, 0, anchor.after + 1, 0};
  }
  gaps.push_back({gap.beforeFirst, whole.beforeLast, gap.afterFirst, whole.afterLast});
  const auto beforeAt = Offsets(beforeLines, beforeMiddle.size()), afterAt = Offsets(afterLines, afterMiddle.size());
  for (const Span& raw : gaps) {
    const Span s = Trimmed(raw, beforeLines, afterLines);
    if (s.beforeFirst == s.beforeLast && s.afterFirst == s.afterLast) continue;
    const std::size_t b = beforeAt[s.beforeFirst], a = afterAt[s.afterFirst];
    patch.hunks_.push_back({head + b, head + a, std::string(beforeMiddle.substr(b, beforeAt[s.beforeLast] - b)),
                            std::string(afterMiddle.substr(a, afterAt[s.afterLast] - a))});
  }
  return patch;
}

std::optional<std::string> FilePatch::Revert(std::string_view after) const {
  if (!IsAfter(after)) return std::nullopt;
  return Rebuild(after, true);
}

std::optional<std::string> FilePatch::Reapply(std::string_view before) const {
  if (!IsBefore(before)) return std::nullopt;
  return Rebuild(before, false);
}

bool FilePatch::IsAfter(std::string_view text) const noexcept { return FingerprintOf(text) == after_; }
bool FilePatch::IsBefore(std::string_view text) const noexcept { return FingerprintOf(text) == before_; }

std::optional<std::string> FilePatch::Rebuild(std::string_view from, bool toBefore) const {
  std::string out;
  out.reserve(toBefore ? before_.size : after_.size);
  std::size_t copied = 0;
  for (const Hunk& hunk : hunks_) {
    const std::size_t at = toBefore ? hunk.afterOffset : hunk.beforeOffset;
    const std::string& present = toBefore ? hunk.afterBytes : hunk.beforeBytes;
    if (at < copied || from.substr(at, present.size()) != present) return std::nullopt;
    out.append(from.substr(copied, at - copied));
    out.append(toBefore ? hunk.beforeBytes : hunk.afterBytes);
    copied = at + present.size();
  }
  out.append(from.substr(std::min(copied, from.size())));
  if (FingerprintOf(out) != (toBefore ? before_ : after_)) return std::nullopt;
  return out;
}

std::size_t FilePatch::MemoryUsed() const noexcept {
  std::size_t bytes = sizeof(*this) + hunks_.capacity() * sizeof(Hunk);
  for (const Hunk& hunk : hunks_) bytes += hunk.beforeBytes.capacity() + hunk.afterBytes.capacity();
  return bytes;
}

// A quick 64-bit mix over 8 bytes at a time: a file written by somebody else
// will not pass for ours by chance.
FilePatch::Fingerprint FilePatch::FingerprintOf(std::string_view text) noexcept {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  uint64_t hash = text.size() * kMultiplier;
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  for (; i < text.size(); ++i) hash = (hash ^ static_cast<unsigned char>(text[i])) * kMultiplier;
  hash ^= hash >> 32;
  return {text.size(), hash};
}

}  // namespace lumo
