#include <gtest/gtest.h>

#include "core/platform/text_fold.h"

namespace {

TEST(TextFold, FoldsExactlyTheWindows1252Capitals) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    int expected = b;
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) expected = b + 32;
    if (b == 0x8A || b == 0x8C || b == 0x8E) expected = b + 0x10;
    if (b == 0x9F) expected = 0xFF;
    EXPECT_EQ(static_cast<unsigned char>(lumo::FoldChar(c)), expected) << "byte " << b;
  }
}

TEST(TextFold, ComparesNamesWithoutLetterCase) {
  EXPECT_EQ(lumo::FoldCase("ArTiSt \xC9T\xC9"), "artist \xE9t\xE9");
  EXPECT_TRUE(lumo::EqualsFolded("Numtracks", "NUMTRACKS"));
  EXPECT_FALSE(lumo::EqualsFolded("title", "titles"));
  EXPECT_FALSE(lumo::EqualsFolded("\xD7", "\xF7"));  // multiplication and division signs stay apart
}

}  // namespace
