#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "core/platform/ini_number.h"

namespace lumo::ini {
namespace {

TEST(IniNumber, ReadDecimal) {
  struct Case {
    const char* text;
    int32_t expected;
  };
  const Case cases[] = {
      {"12abc", 12},       {"abc", 0},           {"", 0},
      {" \t\r\n\v\f-7", -7}, {"+3", 3},           {"- 3", 0},
      {"-", 0},            {"007", 7},           {"1 2", 1},
      {"2147483647", std::numeric_limits<int32_t>::max()},
      {"-2147483648", std::numeric_limits<int32_t>::min()},
      {"2147483648", std::numeric_limits<int32_t>::max()},
      {"-99999999999999999999999", std::numeric_limits<int32_t>::min()},
      {"99999999999999999999999", std::numeric_limits<int32_t>::max()},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadDecimal(c.text), c.expected) << '"' << c.text << '"';
}

TEST(IniNumber, FormatInteger) {
  EXPECT_EQ(FormatInteger(-5, 10), "-5");
  EXPECT_EQ(FormatInteger(0, 10), "0");
  EXPECT_EQ(FormatInteger(std::numeric_limits<int32_t>::min(), 10), "-2147483648");
  EXPECT_EQ(FormatInteger(std::numeric_limits<int32_t>::max(), 10), "2147483647");
  EXPECT_EQ(FormatInteger(255, 16), "ff");
  EXPECT_EQ(FormatInteger(-1, 16), "ffffffff");
  EXPECT_EQ(FormatInteger(5, 2), "101");
  EXPECT_EQ(FormatInteger(std::numeric_limits<int32_t>::min(), 2), "1" + std::string(31, '0'));
  EXPECT_EQ(FormatInteger(35, 36), "z");
  EXPECT_EQ(FormatInteger(7, 1), "");
  EXPECT_EQ(FormatInteger(7, 37), "");
  EXPECT_EQ(FormatInteger(7, -10), "");
}

// Every decimal text it writes reads back to the same value.
TEST(IniNumber, DecimalRoundTrip) {
  for (int64_t v = std::numeric_limits<int32_t>::min(); v <= std::numeric_limits<int32_t>::max(); v += 65537 * 31) {
    EXPECT_EQ(ReadDecimal(FormatInteger(static_cast<int32_t>(v), 10)), v);
  }
}

}  // namespace
}  // namespace lumo::ini
