#include <gtest/gtest.h>

#include "gui/platform/text_codec.h"

namespace {

TEST(TextCodec, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  auto back = lumo::ToWindows1252(lumo::FromWindows1252(all));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(*back, all);
}

TEST(TextCodec, MapsTheHighRangeAndRefusesWhatTheCodePageLacks) {
  EXPECT_EQ(lumo::FromWindows1252("\x80\x9F\xE9"), QString::fromUtf8("\u20AC\u0178\u00E9"));
  EXPECT_FALSE(lumo::ToWindows1252(QString::fromUtf8("\u4E2D")).has_value());
  EXPECT_FALSE(lumo::ToWindows1252(QString::fromUtf8("\u0100")).has_value());
}

}  // namespace
