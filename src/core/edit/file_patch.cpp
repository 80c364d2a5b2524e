#include "core/edit/file_patch.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <unordered_map>
#include <utility>

namespace lumo {

namespace {

using Lines = std::vector<std::string_view>;

// Lines with their ends, so that joining them gives the text back.
Lines SplitLines(std::string_view text) {
  Lines lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    end = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return lines;
}

// A section header line, with its line end, and where it starts.
struct Header {
  std::string_view line;
  std::size_t at;
};

// Only section headers can pair the versions up: they are few, and in a
// cdplayer.ini nearly all are unique, so pairing stays cheap on a big file.
// Found by their "[" (a line whose first non-blank character it is), so the
// rest of the text need not be split into lines.
std::vector<Header> Headers(std::string_view text) {
  std::vector<Header> headers;
  for (std::size_t bracket = text.find('['); bracket != std::string_view::npos; bracket = text.find('[', bracket)) {
    std::size_t start = bracket;
    while (start > 0 && (text[start - 1] == ' ' || text[start - 1] == '\t')) --start;
    std::size_t end = text.find('\n', bracket);
    end = end == std::string_view::npos ? text.size() : end + 1;
    if (start == 0 || text[start - 1] == '\n') headers.push_back({text.substr(start, end - start), start});
    bracket = end;
  }
  return headers;
}

struct Anchor {
  std::size_t before, after;  // where the paired header lines start
  std::size_t beforeEnd, afterEnd;
};

// Headers found exactly once on each side pair the two versions up; the
// longest run of pairs in the same order on both sides is kept (patience
// sorting). Without any, the changed span is one run.
std::vector<Anchor> UniqueAnchors(const std::vector<Header>& before, const std::vector<Header>& after) {
  struct Seen {
    std::size_t countBefore = 0, countAfter = 0, before = 0, after = 0;
  };
  std::unordered_map<std::string_view, Seen> seen;
  seen.reserve(before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    Seen& entry = seen[before[i].line];
    ++entry.countBefore;
    entry.before = i;
  }
  for (std::size_t j = 0; j < after.size(); ++j) {
    auto found = seen.find(after[j].line);
    if (found == seen.end()) continue;
    ++found->second.countAfter;
    found->second.after = j;
  }
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (const auto& [line, entry] : seen) {
    if (entry.countBefore == 1 && entry.countAfter == 1) pairs.emplace_back(entry.before, entry.after);
  }
  std::sort(pairs.begin(), pairs.end());
  // Longest increasing run of `after` positions.
  std::vector<std::size_t> tails, previous(pairs.size(), SIZE_MAX), tailIndex;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    auto at = std::lower_bound(tails.begin(), tails.end(), pairs[i].second);
    const std::size_t length = static_cast<std::size_t>(at - tails.begin());
    if (length > 0) previous[i] = tailIndex[length - 1];
    if (at == tails.end()) {
      tails.push_back(pairs[i].second);
      tailIndex.push_back(i);
    } else {
      *at = pairs[i].second;
      tailIndex[length] = i;
    }
  }
  std::vector<Anchor> kept;
  for (std::size_t i = tailIndex.empty() ? SIZE_MAX : tailIndex.back(); i != SIZE_MAX; i = previous[i]) {
    const Header& b = before[pairs[i].first];
    const Header& a = after[pairs[i].second];
    kept.push_back({b.at, a.at, b.at + b.line.size(), a.at + a.line.size()});
  }
  std::reverse(kept.begin(), kept.end());
  return kept;
}

// The changed lines of one stretch between anchors, without the lines both
// versions start and end it with; nothing when the stretches are equal.
// Offsets are those of the stretches.
struct Change {
  std::size_t beforeAt, afterAt;
  std::string_view beforeBytes, afterBytes;
};

std::optional<Change> ChangedLines(std::string_view before, std::string_view after) {
  if (before == after) return std::nullopt;
  const Lines b = SplitLines(before), a = SplitLines(after);
  std::size_t first = 0, lastB = b.size(), lastA = a.size();
  while (first < lastB && first < lastA && b[first] == a[first]) ++first;
  while (lastB > first && lastA > first && b[lastB - 1] == a[lastA - 1]) {
    --lastB;
    --lastA;
  }
  const auto offset = [](const Lines& lines, std::size_t index, std::string_view text) {
    return index < lines.size() ? static_cast<std::size_t>(lines[index].data() - text.data()) : text.size();
  };
  const std::size_t bFrom = offset(b, first, before), aFrom = offset(a, first, after);
  return Change{bFrom, aFrom, before.substr(bFrom, offset(b, lastB, before) - bFrom),
                after.substr(aFrom, offset(a, lastA, after) - aFrom)};
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
  // Plain names rather than a structured binding: clang 14 cannot capture
  // one in a lambda.
  const auto ends = SharedEnds(before, after);
  const std::size_t head = ends.first;
  const std::size_t tail = ends.second;
  const std::string_view beforeMiddle = before.substr(head, before.size() - head - tail);
  const std::string_view afterMiddle = after.substr(head, after.size() - head - tail);
  std::size_t beforeFrom = 0, afterFrom = 0;
  const auto addHunk = [&](std::size_t beforeTo, std::size_t afterTo) {
    const std::optional<Change> change = ChangedLines(beforeMiddle.substr(beforeFrom, beforeTo - beforeFrom),
                                                      afterMiddle.substr(afterFrom, afterTo - afterFrom));
    if (change) {
      patch.hunks_.push_back({head + beforeFrom + change->beforeAt, head + afterFrom + change->afterAt,
                              std::string(change->beforeBytes), std::string(change->afterBytes)});
    }
  };
  for (const Anchor& anchor : UniqueAnchors(Headers(beforeMiddle), Headers(afterMiddle))) {
    addHunk(anchor.before, anchor.after);
    beforeFrom = anchor.beforeEnd;
    afterFrom = anchor.afterEnd;
  }
  addHunk(beforeMiddle.size(), afterMiddle.size());
  return patch;
}

FilePatch FilePatch::Whole(std::shared_ptr<const std::string> before, std::shared_ptr<const std::string> after) {
  FilePatch patch;
  patch.before_ = FingerprintOf(*before);
  patch.after_ = FingerprintOf(*after);
  patch.wholeBefore_ = std::move(before);
  patch.wholeAfter_ = std::move(after);
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
  if (wholeBefore_ != nullptr) return toBefore ? *wholeBefore_ : *wholeAfter_;
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
  if (wholeBefore_ != nullptr) bytes += wholeBefore_->capacity() + wholeAfter_->capacity();
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
