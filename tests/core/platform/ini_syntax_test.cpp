#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/platform/ini_syntax.h"

namespace {

using lumo::ini::LineKind;
using lumo::ini::ParseLine;

TEST(IniSyntax, ClassifiesLinesAfterTrimming) {
  EXPECT_EQ(ParseLine(" \t\v\f\r").kind, LineKind::Blank);
  EXPECT_EQ(ParseLine("  ; [not a header]").kind, LineKind::Comment);
  EXPECT_EQ(ParseLine("no equals sign").kind, LineKind::Junk);
  auto key = ParseLine("  artist = X  ");
  EXPECT_EQ(key.kind, LineKind::Key);
  EXPECT_EQ(key.name, "artist ");  // blanks beside "=" belong to key and value
  EXPECT_EQ(key.value, " X");
  auto split = ParseLine("a=b=c");
  EXPECT_EQ(split.name, "a");
  EXPECT_EQ(split.value, "b=c");
  EXPECT_EQ(ParseLine("#x=1").name, "#x");
  EXPECT_EQ(ParseLine("=v").name, "");
}

TEST(IniSyntax, HeaderNameDropsTheLastCharacterWhateverItIs) {
  EXPECT_EQ(ParseLine("[Abc]").name, "Abc");
  EXPECT_EQ(ParseLine("[abc").name, "ab");      // no closing bracket
  EXPECT_EQ(ParseLine("[ abc ]").name, " abc ");
  EXPECT_EQ(ParseLine("[]").name, "");
  EXPECT_EQ(ParseLine("[").name, "");
  EXPECT_EQ(ParseLine("[").kind, LineKind::Header);
}

TEST(IniSyntax, TextModeStopsAtCtrlZAndDropsCrBeforeLf) {
  std::string file = "a=1\r\nb=2\nc\r=3\r\r\nlast";
  file += '\x1a';
  file += "[hidden]\r\n";
  std::vector<std::string> lines;
  std::vector<std::size_t> ends;
  lumo::ini::ForEachLine(lumo::ini::TextPart(file), [&](const lumo::ini::RawLine& raw) {
    lines.emplace_back(raw.text);
    ends.push_back(raw.end);
    return true;
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"a=1", "b=2", "c\r=3\r", "last"}));
  EXPECT_EQ(ends.back(), file.find('\x1a'));
}

}  // namespace
