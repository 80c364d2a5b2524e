#include "core/collection/code_page_guess.h"

#include <algorithm>
#include <cstdint>

#include "core/catalogue/album_section.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_section.h"

namespace lumo {
namespace {

// Fewer names than this voting for a code page is no evidence: one odd
// name must not turn a file's hint.
constexpr int kMinNames = 3;

bool InRange(unsigned char byte, unsigned char low, unsigned char high) { return byte >= low && byte <= high; }

bool IsAsciiLetter(unsigned char byte) { return InRange(byte | 0x20, 'a', 'z'); }

bool IsShiftJisLead(unsigned char byte) { return InRange(byte, 0x81, 0x9F) || InRange(byte, 0xE0, 0xFC); }

bool IsShiftJisTrail(unsigned char byte) { return InRange(byte, 0x40, 0x7E) || InRange(byte, 0x80, 0xFC); }

// What the names with bytes >= 0x80 show, summed over the sample.
struct Tally {
  int highNames = 0;  // names with a byte >= 0x80: the only ones that vote
  // Names that decode whole as Shift-JIS with a double-byte character; their
  // double-byte characters; of those, the ones led by 0x81-0x9F (kana and
  // the common kanji, where Windows-1252 keeps rare punctuation), and the
  // ones next to another (Japanese words run several characters long).
  int shiftJisNames = 0;
  int pairs = 0;
  int lowLeadPairs = 0;
  int joinedPairs = 0;
  // Names written in an alphabet of their own (Cyrillic, Greek), which
  // have a word of three bytes >= 0x80 or more; in those names, the bytes
  // in 0xC0-0xDF (capitals in both alphabets) and in 0xE0-0xFF (small
  // letters).
  int alphabetNames = 0;
  int alphabetUpper = 0;
  int alphabetLower = 0;
  // Common Cyrillic letters that Greek leaves unused or rare (А а Т я:
  // 0xC0 0xE0 0xD2 0xFF), and the accented vowels that mark the stress of
  // most Greek words (ά έ ή ί: 0xDC-0xDF), seldom-used Cyrillic capitals.
  int cyrillicSigns = 0;
  int greekSigns = 0;
  // Names with ł, ą or ż (0xB3, 0xB9, 0xBF) after an ASCII letter: in
  // Windows-1252 "³", "¹" and "¿", which no Western word has there.
  int polishNames = 0;
};

// Adds `name` to the Shift-JIS evidence when it decodes whole as Shift-JIS
// with at least one double-byte character.
void TallyShiftJis(std::string_view name, Tally& tally) {
  int pairs = 0;
  int lowLeads = 0;
  int joined = 0;
  int run = 0;
  for (std::size_t i = 0; i < name.size();) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (IsShiftJisLead(byte) && i + 1 < name.size() && IsShiftJisTrail(static_cast<unsigned char>(name[i + 1]))) {
      ++pairs;
      lowLeads += byte <= 0x9F;
      ++run;
      if (run >= 2) joined += run == 2 ? 2 : 1;  // the first of a run counts once it has a neighbour
      i += 2;
    } else if (byte < 0x80 || InRange(byte, 0xA1, 0xDF)) {  // ASCII or half-width katakana
      run = 0;
      ++i;
    } else {
      return;
    }
  }
  if (pairs == 0) return;
  ++tally.shiftJisNames;
  tally.pairs += pairs;
  tally.lowLeadPairs += lowLeads;
  tally.joinedPairs += joined;
}

// Adds `name` to the evidence for alphabets of their own and Polish letters.
void TallyLetters(std::string_view name, Tally& tally) {
  int run = 0;
  int longestRun = 0;
  bool polish = false;
  Tally own;  // this name's counts, kept when it is written in such an alphabet
  unsigned char previous = 0;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    run = byte < 0x80 ? 0 : run + 1;
    longestRun = std::max(longestRun, run);
    own.alphabetUpper += InRange(byte, 0xC0, 0xDF);
    own.alphabetLower += byte >= 0xE0;
    own.cyrillicSigns += byte == 0xC0 || byte == 0xE0 || byte == 0xD2 || byte == 0xFF;
    own.greekSigns += InRange(byte, 0xDC, 0xDF);
    polish = polish || ((byte == 0xB3 || byte == 0xB9 || byte == 0xBF) && IsAsciiLetter(previous));
    previous = byte;
  }
  tally.polishNames += polish ? 1 : 0;
  if (longestRun < 3) return;
  ++tally.alphabetNames;
  tally.alphabetUpper += own.alphabetUpper;
  tally.alphabetLower += own.alphabetLower;
  tally.cyrillicSigns += own.cyrillicSigns;
  tally.greekSigns += own.greekSigns;
}

// At least kMinNames names vote for a code page, and at least
// `numerator`/`denominator` of those with bytes >= 0x80.
bool Carries(int votes, int highNames, int numerator, int denominator) {
  return votes >= kMinNames && int64_t{votes} * denominator >= int64_t{highNames} * numerator;
}

// 1251 or 1253 for names mostly in an alphabet of their own; 0 when unsure.
int AlphabetCodePage(const Tally& tally) {
  // Cyrillic and Greek names mostly start with a capital and go on in small
  // letters; Chinese, Korean, Thai, Arabic and UTF-8 bytes fall otherwise,
  // and Hebrew knows no capitals.
  const int letters = tally.alphabetUpper + tally.alphabetLower;
  if (tally.alphabetLower <= tally.alphabetUpper || tally.alphabetUpper * 50 < letters) return 0;
  if (tally.cyrillicSigns > 2 * tally.greekSigns) return 1251;
  if (tally.greekSigns > 2 * tally.cyrillicSigns) return 1253;
  return 0;
}

int Decide(const Tally& tally) {
  if (Carries(tally.shiftJisNames, tally.highNames, 4, 5) && tally.lowLeadPairs * 2 >= tally.pairs &&
      tally.joinedPairs * 2 >= tally.pairs) {
    return 932;
  }
  if (Carries(tally.alphabetNames, tally.highNames, 3, 4)) return AlphabetCodePage(tally);
  // Polish names may hold only letters Windows-1252 shares (ó) or shows as
  // plausible Western ones (ę ć ń as ê æ ñ): a third with ł ą ż will do.
  if (Carries(tally.polishNames, tally.highNames, 1, 3)) return 1250;
  return 0;
}

}  // namespace

int GuessCodePage(const std::vector<std::string_view>& names) {
  Tally tally;
  for (const std::string_view name : names) {
    if (std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
      continue;
    }
    ++tally.highNames;
    TallyShiftJis(name, tally);
    TallyLetters(name, tally);
  }
  return Decide(tally);
}

int GuessCollectionCodePage(const IniDocument& document) {
  std::vector<std::string_view> names;
  names.reserve(kCodePageGuessSample + 128);
  AlbumSection album;
  for (IniDocument::Position at = document.FirstSection(); at && names.size() < kCodePageGuessSample;
       at = document.After(at)) {
    const IniSection* section = document.SectionAt(at);
    if (section == nullptr) break;
    album.Read(*section);
    if (!album.IsAlbum()) continue;
    names.push_back(*album.Artist());
    names.push_back(album.Title());
    for (const NamedTrack& track : album.Named()) names.push_back(track.second);
  }
  if (names.size() > kCodePageGuessSample) names.resize(kCodePageGuessSample);
  return GuessCodePage(names);
}

}  // namespace lumo
