#include "support/collection_generator.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <unordered_set>
#include <vector>

namespace lumo::bench {
namespace {

const char* const kSyllables[] = {"ka", "lo", "mi", "ra", "ven", "tor", "el", "sa", "dun", "bri",
                                  "ght", "fe", "rn", "qu", "ix", "ol", "an", "zu", "pe", "th"};

class Words {
 public:
  explicit Words(uint32_t seed) : rng_(seed) {}

  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  double Chance() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }

  std::string Word() {
    std::string word;
    for (int n = Between(1, 3); n > 0; --n) word += kSyllables[Between(0, 19)];
    if (Chance() < 0.05) word.insert(static_cast<std::size_t>(Between(0, 1)), "\xE9");
    word[0] = static_cast<char>(word[0] >= 'a' && word[0] <= 'z' ? word[0] - 32 : word[0]);
    return word;
  }

  std::string Phrase(int lo, int hi) {
    std::string phrase = Word();
    for (int n = Between(lo, hi) - 1; n > 0; --n) phrase += " " + Word();
    return phrase;
  }

 private:
  std::mt19937 rng_;
};

struct Album {
  std::string artist;
  std::string title;
  std::vector<std::string> tracks;
};

void AppendSection(std::string& out, uint32_t key, const Album& album) {
  char header[32];
  std::snprintf(header, sizeof header, "[%08X]\r\n", key);
  out += header;
  out += "EntryType=1\r\n";
  out += "artist=" + album.artist + "\r\n";
  out += "title=" + album.title + "\r\n";
  out += "numtracks=" + std::to_string(album.tracks.size()) + "\r\n";
  for (std::size_t i = 0; i < album.tracks.size(); ++i) {
    out += std::to_string(i) + "=" + album.tracks[i] + "\r\n";
  }
  // The player's own keys, which Lumo must carry along untouched.
  std::string order = "order=";
  for (std::size_t i = 0; i < album.tracks.size(); ++i) order += (i ? " " : "") + std::to_string(i);
  out += order + "\r\nnumplay=" + std::to_string(album.tracks.size()) + "\r\n";
}

std::vector<std::string> ArtistNames(const CollectionShape& shape, Words& words) {
  if (!shape.artistPerAlbum) {
    const int count = shape.artists > 0 ? shape.artists : std::max(1, shape.albums / 4);
    std::vector<std::string> artists;
    for (int i = 0; i < count; ++i) artists.push_back(words.Phrase(1, 3));
    return artists;
  }
  std::vector<std::string> artists;
  std::unordered_set<std::string> seen;
  while (artists.size() < static_cast<std::size_t>(shape.albums)) {
    std::string name = words.Phrase(1, 3);
    if (seen.insert(name).second) artists.push_back(std::move(name));
  }
  return artists;
}

// Shapes found by fault runs: small files that once took gigabytes.
std::string MakeOddCollection(const CollectionShape& shape) {
  std::string out;
  char line[96];
  for (int i = 0; i < shape.albums; ++i) {
    if (shape.kind == CollectionShape::Kind::BareHeaders) {
      std::snprintf(line, sizeof line, "[%06x]\r\n", static_cast<unsigned>(i));
    } else {
      std::snprintf(line, sizeof line, "[%05x]\r\nartist=A%d\r\ntitle=T%d\r\nnumtracks=%d\r\n", static_cast<unsigned>(i),
                    i / 4, i, shape.tracksPerAlbum);
    }
    out += line;
  }
  return out;
}

}  // namespace

std::string MakeCollection(const CollectionShape& shape) {
  if (shape.kind != CollectionShape::Kind::Albums) return MakeOddCollection(shape);
  Words words(shape.seed);
  const std::vector<std::string> artists = ArtistNames(shape, words);
  const int artistCount = static_cast<int>(artists.size());

  std::string out;
  out.reserve(static_cast<std::size_t>(shape.albums) * 400);
  uint32_t key = 0x1000'0000u + shape.seed * 7919u;
  for (int i = 0; i < shape.albums; ++i) {
    const int artist = shape.artistPerAlbum ? i : words.Between(0, artistCount - 1);
    Album album{artists[static_cast<std::size_t>(artist)], words.Phrase(2, 4), {}};
    int tracks = std::max(0, shape.tracksPerAlbum + words.Between(-3, 3));
    for (int t = 0; t < tracks; ++t) album.tracks.push_back(words.Phrase(1, 4));
    AppendSection(out, key += 0x9E37u, album);
    if (words.Chance() < shape.duplicateShare) AppendSection(out, key += 0x9E37u, album);
  }
  return out;
}

void WriteCollection(const CollectionShape& shape, const std::string& path) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  const std::string bytes = MakeCollection(shape);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace lumo::bench
