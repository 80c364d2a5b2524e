#include "core/catalogue/track_maker.h"

#include <algorithm>
#include <cstring>

#include "core/catalogue/catalogue_build.h"
#include "core/catalogue/catalogue_texts.h"
#include "core/platform/ini_syntax.h"

namespace lumo {
namespace {

// A token of names kept by TrackMaker::Keep: this bit, where they start in
// the kept list, and how many there are (at most one per track number).
constexpr uint64_t kKeptToken = uint64_t{1} << 63;
constexpr int kKeptSizeBits = 16;
constexpr uint64_t kKeptSizeMask = (uint64_t{1} << kKeptSizeBits) - 1;
static_assert(kMaxTracks <= kKeptSizeMask, "a kept list's size fits its part of the token");

bool HoldsHeader(std::string_view lines) {
  // Most albums have no '[' anywhere in their lines: no need to parse them.
  if (lines.find('[') == std::string_view::npos) return false;
  bool header = false;
  ini::ForEachLine(lines, [&header](const ini::RawLine& raw) {
    header = ini::ParseLine(raw.text).kind == ini::LineKind::Header;
    return !header;
  });
  return header;
}

}  // namespace

std::optional<int> TrackNumberOfKey(std::string_view key) {
  if (key.empty() || key.size() > 5 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  int number = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number >= kMaxTracks) return std::nullopt;
  return number;
}

TrackMaker::TrackMaker(std::shared_ptr<const std::string> loaded)
    : loaded_(std::move(loaded)), text_(loaded_ ? ini::TextPart(*loaded_) : std::string_view()) {}

void KeepLastOfEachTrack(std::vector<NamedTrack>& named) {
  const auto byNumber = [](const NamedTrack& a, const NamedTrack& b) { return a.first < b.first; };
  if (!std::is_sorted(named.begin(), named.end(), byNumber)) std::stable_sort(named.begin(), named.end(), byNumber);
  std::size_t kept = 0;
  for (const NamedTrack& track : named) {
    if (kept > 0 && named[kept - 1].first == track.first) {
      named[kept - 1] = track;
    } else {
      named[kept++] = track;
    }
  }
  named.resize(kept);
}

std::optional<uint64_t> TrackMaker::TokenFor(const std::vector<NamedTrack>& named) const {
  if (named.empty()) return 0;
  // Only what text mode reads: a line cut by Ctrl-Z must not be read on past it.
  const std::string_view file = text_;
  std::size_t first = file.size();
  std::size_t last = 0;
  for (const auto& [number, name] : named) {
    if (!LiesWithin(name, file)) return std::nullopt;
    const auto offset = static_cast<std::size_t>(name.data() - file.data());
    first = std::min(first, offset);
    last = std::max(last, offset + name.size());
  }
  const std::size_t lineEnd = file.find('\n', last);
  const std::size_t end = lineEnd == std::string_view::npos ? file.size() : lineEnd + 1;
  const std::size_t lineFeed = first == 0 ? std::string_view::npos : file.rfind('\n', first - 1);
  const std::size_t begin = lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
  if (end > UINT32_MAX || HoldsHeader(file.substr(begin, end - begin))) return std::nullopt;
  return uint64_t{begin} << 32 | (end - begin);
}

uint64_t TrackMaker::Keep(const std::vector<NamedTrack>& named) {
  const uint64_t start = kept_.size();
  kept_.insert(kept_.end(), named.begin(), named.end());
  return kKeptToken | start << kKeptSizeBits | named.size();
}

std::vector<NamedTrack> TrackMaker::NamedTracks(int count, uint64_t token) const {
  std::vector<NamedTrack> named;
  if ((token & kKeptToken) != 0) {
    const auto start = static_cast<std::size_t>((token & ~kKeptToken) >> kKeptSizeBits);
    const auto size = static_cast<std::size_t>(token & kKeptSizeMask);
    for (std::size_t i = start; i < start + size; ++i) {
      if (kept_[i].first < count) named.push_back(kept_[i]);
    }
    return named;
  }
  const std::string_view lines = text_.substr(token >> 32, token & UINT32_MAX);
  ini::ForEachLine(lines, [&named, count](const ini::RawLine& raw) {
    const ini::ParsedLine line = ini::ParseLine(raw.text);
    if (line.kind != ini::LineKind::Key) return true;
    // Track keys are digits, which no folding changes.
    if (const std::optional<int> number = TrackNumberOfKey(line.name); number && *number < count) {
      named.emplace_back(*number, line.value);
    }
    return true;
  });
  KeepLastOfEachTrack(named);
  return named;
}

std::vector<std::unique_ptr<TreeItem>> TrackMaker::MakeChildren(const TreeItem& album, int count,
                                                                uint64_t token) const {
  std::vector<std::unique_ptr<TreeItem>> tracks;
  tracks.reserve(static_cast<std::size_t>(count));
  ForEachChildText(album, count, token, [&tracks, &album](int row, std::string_view name) {
    const RecordView track{ItemKind::Track, name, album.MadeWithCdKey(), static_cast<int16_t>(row)};
    tracks.push_back(std::make_unique<TreeItem>(track, nullptr));
  });
  return tracks;
}

void TrackMaker::ForEachChildText(const TreeItem&, int count, uint64_t token,
                                  const std::function<void(int row, std::string_view text)>& visit) const {
  ForEachTrackName(NamedTracks(count, token), count, visit);
}

}  // namespace lumo
