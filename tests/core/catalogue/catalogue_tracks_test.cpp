#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "core/catalogue/catalogue_build.h"
#include "core/catalogue/catalogue_texts.h"
#include "core/ini/ini_section.h"
#include "core/ini/ini_test_util.h"

namespace {

// Track keys "from..to" (inclusive), each with a name.
std::string TrackKeys(int from, int to) {
  std::string keys;
  for (int i = from; i <= to; ++i) keys += std::to_string(i) + "=n\r\n";
  return keys;
}

TEST(TracksToShow, NumtracksBoundedByWhatTheSectionJustifies) {
  struct Case {
    const char* what;
    std::string keys;
    int expected;
  };
  const Case cases[] = {
      {"no numtracks", "0=a\r\n", 0},
      {"zero", "numtracks=0\r\n0=a\r\n", 0},
      {"negative", "numtracks=-4\r\n", 0},
      {"not a number", "numtracks=x\r\n", 0},
      {"fewer keys than tracks", "numtracks=3\r\n1=b\r\n", 3},
      {"fewer tracks than keys", "numtracks=5\r\n" + TrackKeys(0, 200), 5},
      {"a bomb without keys", "numtracks=99999\r\n", 99},
      {"a full long album", "numtracks=99999\r\n" + TrackKeys(0, 149), 150},
      {"a few keys, 99 unnamed", "numtracks=120\r\n" + TrackKeys(0, 9), 99},
      {"one far key", "numtracks=99999\r\n32766=x\r\n", 99},
      {"one key past 99", "numtracks=200\r\n150=x\r\n", 99},
      {"a gap of 150 after 100 names", "numtracks=300\r\n" + TrackKeys(0, 99) + "250=x\r\n", 199},
      {"few gaps", "numtracks=200\r\n" + TrackKeys(0, 120) + TrackKeys(130, 180), 181},
      {"capped to a 16-bit index", "numtracks=2000000000\r\n" + TrackKeys(0, 40000), 32767},
      {"not track keys", "numtracks=200\r\n0150=x\r\n+150=x\r\n150 x=x\r\n1e2=x\r\n99999=x\r\n", 99},
  };
  for (const Case& c : cases) {
    lumo::test::LoadedFile file("[k]\r\nartist=A\r\n" + c.keys);
    ASSERT_TRUE(file.loaded);
    const lumo::IniSection* section = file.document.FindSection("k");
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(lumo::TracksToShow(*section), c.expected) << c.what;
  }
}


// Texts in the loaded bytes are used where they are; others are copied, and
// every copy stays put while more, short and long, are made.
TEST(CatalogueTexts, KeepsLoadedTextsInPlaceAndCopiesTheRest) {
  auto loaded = std::make_shared<const std::string>("artist=Band\r\n");
  lumo::CatalogueTexts texts(loaded);
  const std::string_view inLoaded = std::string_view(*loaded).substr(7, 4);
  EXPECT_EQ(texts.Keep(inLoaded).data(), inLoaded.data());
  EXPECT_EQ(texts.Keep(std::string_view(*loaded)).data(), loaded->data());
  EXPECT_TRUE(texts.Keep({}).empty());

  std::vector<std::string> originals;
  std::vector<std::string_view> kept;
  for (int i = 0; i < 20000; ++i) {
    // Mostly short, now and then longer than a quarter of a block.
    originals.push_back(i % 997 == 0 ? std::string(20000 + i, 'a' + i % 26) : "name " + std::to_string(i));
    std::string copy = originals.back();  // gone after Keep: the kept view must not point into it
    kept.push_back(texts.Keep(copy));
  }
  for (std::size_t i = 0; i < originals.size(); ++i) ASSERT_EQ(kept[i], originals[i]) << i;
}

}  // namespace
