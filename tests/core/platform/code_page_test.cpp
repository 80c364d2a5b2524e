// The code pages against ICU's tables: every character comes back as the
// bytes it was read from, except the few pairs a table maps to one
// character (listed in golden/code_page_exceptions.txt, so a new one fails);
// names compared as text, never byte by byte inside a double-byte character.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "core/platform/code_page.h"
#include "core/platform/text_fold.h"

namespace lumo {
namespace {

std::string Hex(const std::string& bytes) {
  std::string hex;
  char digits[3];
  for (unsigned char byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", byte);
    hex += digits;
  }
  return hex;
}

// "number read-bytes written-bytes" for each character that comes back as
// other bytes than it was read from.
void AddRoundTripExceptions(const CodePage& page, const std::string& bytes, std::string& exceptions) {
  bool valid = false;
  const std::u32string text = page.Decode(bytes, &valid);
  if (!valid || text.size() != 1) return;
  const std::optional<std::string> back = page.Encode(text);
  if (back != bytes) {
    exceptions += std::to_string(page.Number()) + " " + Hex(bytes) + " " + (back ? Hex(*back) : "none") + "\n";
  }
}

TEST(CodePage, EveryCharacterComesBackAsItsBytesButForTheKnownExceptions) {
  std::string exceptions;
  for (const CodePageName& name : SupportedCodePages()) {
    const CodePage page(name.number);
    for (int first = 0; first < 256; ++first) {
      const std::string single(1, static_cast<char>(first));
      if (page.IsReadable(single)) {
        AddRoundTripExceptions(page, single, exceptions);
        continue;
      }
      for (int second = 0x40; second < 256; ++second) {
        AddRoundTripExceptions(page, single + static_cast<char>(second), exceptions);
      }
    }
  }
  std::ifstream file(LUMO_CODE_PAGE_GOLDEN "/code_page_exceptions.txt", std::ios::binary);
  std::stringstream known;
  known << file.rdbuf();
  EXPECT_EQ(exceptions, known.str());
}

TEST(CodePage, NamesCompareAsDecodedTextWithSimpleCaseFolding) {
  struct Case {
    int codePage;
    std::string a, b;
    bool equal;
  };
  const Case cases[] = {
      {1251, "\xCA\xE8\xED\xEE", "\xEA\xC8\xCD\xCE", true},           // Кино, кИНО
      {1253, "\xD3\xCF\xD3", "\xF3\xEF\xF2", true},                   // ΣΟΣ, σος: final sigma folds too
      {1250, "\xA3\xF3\x64\x9F", "\xB3\xD3\x44\x8F", true},           // Łódź, łÓDŹ
      {932, "\x83\x41", "\x83\x61", false},                           // ア, ヂ: second bytes 'A' and 'a'
      {932, "\x82\x60", "\x82\x81", true},                            // Ａ, ａ: full-width letters fold
      {932, "\x85\x40", "\x85\x41", false},                           // undefined pairs keep keys of their own
      {932, "\x83\x41\x85\x40", "\x83\x41", false},                   // ア and undefined bytes after it
      {932, "\x83\x41\x85\x40", "\x83\x41\x83\x41", false},           // U+FFFD sorts after ア
      {1251, "\xEA\xE8\xED\xEE", "\xCA\xE8\xED", false},              // кино after Кин
  };
  for (const Case& c : cases) {
    const CodePage page(c.codePage);
    EXPECT_EQ(page.FoldKey(c.a) == page.FoldKey(c.b), c.equal) << c.codePage << " " << Hex(c.a) << " " << Hex(c.b);
    // Compared in place, in the order of the keys.
    EXPECT_EQ(page.CompareFolded(c.a, c.b) == 0, c.equal);
    EXPECT_EQ(page.CompareFolded(c.a, c.b) < 0, page.FoldKey(c.a) < page.FoldKey(c.b));
    EXPECT_EQ(page.CompareFolded(c.b, c.a) < 0, page.FoldKey(c.b) < page.FoldKey(c.a));
    if (!page.IsWindows1252() && page.FoldedPrefix(c.a) != page.FoldedPrefix(c.b)) {
      EXPECT_EQ(page.FoldedPrefix(c.a) < page.FoldedPrefix(c.b), page.CompareFolded(c.a, c.b) < 0);
    }
  }
  const std::string western = "Bj\xD6RK \x8A";
  EXPECT_EQ(CodePage().FoldKey(western), FoldCase(western));
}

TEST(CodePage, TextIsStoredOnlyWhenEveryCharacterHasBytes) {
  EXPECT_EQ(CodePage(1251).FromUtf8("Кино €"), "\xCA\xE8\xED\xEE \x88");
  EXPECT_EQ(CodePage(932).FromUtf8("ソ表"), "\x83\x5C\x95\x5C");
  EXPECT_EQ(CodePage(1251).FromUtf8("Björk"), std::nullopt);
  EXPECT_EQ(CodePage().FromUtf8("Кино"), std::nullopt);
  EXPECT_EQ(CodePage(932).FromUtf8("\xEF\xBF\xBD"), std::nullopt);  // U+FFFD stands for bytes lost
  EXPECT_EQ(CodePage(1251).FromUtf8("\xC3"), std::nullopt);          // not UTF-8
  EXPECT_EQ(CodePage(932).ToUtf8("\x85\x40\x83\x5C"), "\xEF\xBF\xBD\xE3\x82\xBD");
  EXPECT_FALSE(CodePage(932).IsReadable("\x83"));  // a lead byte without its second byte
  EXPECT_EQ(CodePage(4242).Number(), 1252);
}

}  // namespace
}  // namespace lumo
