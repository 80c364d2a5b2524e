#include "report_fuzz_input.h"

#include <algorithm>
#include <map>

#include "core/ini/ini_document.h"
#include "core/platform/atomic_file.h"

namespace lumo::fuzz {
namespace {

// Enough tracks to reach every branch, few enough to keep runs fast.
constexpr int32_t kMaxTracks = 99;

Album AlbumOf(const IniSection& section) {
  Album album{section.GetString("title", "<UNKNOWN>"), {}};
  const int32_t count = std::min(section.GetInt("numtracks", 0), kMaxTracks);
  for (int32_t i = 0; i < count; ++i) album.tracks.push_back(section.GetString(std::to_string(i), "?"));
  return album;
}

}  // namespace

std::string OutputPath(const char* name) { return ScratchFolder() + "/" + name; }

std::string ReadWhole(const std::string& path) {
  std::string bytes;
  Check(platform::ReadFileBytes(path, bytes) == platform::ReadStatus::Read);
  return bytes;
}

Collection LoadCollection(const uint8_t* data, std::size_t size) {
  const std::string path = WriteInput("cdplayer.ini", data, size);
  Check(!path.empty());
  IniDocument document(path);
  Check(document.Load());
  std::map<std::string, std::vector<Album>> byArtist;
  IniSection section;
  for (auto at = document.FirstSection(); at;) {
    document.NextSection(at, section);
    const std::string artist = section.GetString("artist", "<UNKNOWN>");
    if (artist != "<UNKNOWN>") byArtist[artist].push_back(AlbumOf(section));
  }
  Collection collection;
  for (auto& [name, albums] : byArtist) collection.artists.push_back({name, std::move(albums)});
  collection.title = document.GetString("report", "title", "Output");
  collection.comment = document.GetString("report", "comment", "");
  return collection;
}

void Feed(const Collection& collection, LumoReportBase& writer) {
  bench::FeedArtists(collection.artists, writer);
}

}  // namespace lumo::fuzz
