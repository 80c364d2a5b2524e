#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <vector>

#include "gui/platform/classic_look.h"
#include "gui/widgets/button_rings.h"
#include "gui/widgets/shaped_button.h"

using namespace lumo;

namespace {

using button_rings::Rings;

struct SegmentCase {
  const char* direction;
  QPoint to;  // from (10, 10)
  int value;  // each channel, with A black and B white
};

// Worked out by hand from the colour rule: d = (cos|3pi/4 - (2pi - theta)| + 1) / 2.
TEST(ShapedButtonColours, AnEdgeIsShadedByItsDirection) {
  const SegmentCase cases[] = {
      {"right", {20, 10}, 217}, {"down", {10, 20}, 37},     {"left", {0, 10}, 37},
      {"up", {10, 0}, 217},     {"up and right", {20, 0}, 255}, {"down and left", {0, 20}, 0},
  };
  for (const SegmentCase& c : cases) {
    EXPECT_EQ(button_rings::SegmentColour({10, 10}, c.to, qRgb(0, 0, 0), qRgb(255, 255, 255)),
              qRgb(c.value, c.value, c.value))
        << c.direction;
  }
}

std::vector<QPoint> Corners(int left, int top, int right, int bottom) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
}

struct RectangleCase {
  int shape;
  QSize size;
  std::vector<QPoint> outer;
  std::vector<QPoint> innermost;
};

TEST(ShapedButtonRings, RectanglesAndSquaresAreInsetByOneTwoAndFourPixels) {
  const RectangleCase cases[] = {
      {button_rings::Rectangle, {50, 20}, Corners(0, 0, 49, 19), Corners(4, 4, 45, 15)},
      {button_rings::Square, {50, 20}, Corners(15, 0, 34, 19), Corners(19, 4, 30, 15)},
      {button_rings::Square, {20, 50}, Corners(0, 15, 19, 34), Corners(4, 19, 15, 30)},
  };
  for (const RectangleCase& c : cases) {
    const Rings rings = button_rings::Build(c.shape, c.size);
    EXPECT_EQ(rings[0], c.outer) << c.shape;
    EXPECT_EQ(rings[1][0], c.outer[0] + QPoint(1, 1)) << c.shape;
    EXPECT_EQ(rings[2][0], c.outer[0] + QPoint(2, 2)) << c.shape;
    EXPECT_EQ(rings[3], c.innermost) << c.shape;
  }
}

// 75 x 24: m = 11, N = 11, h = 5: six points round (63, 11), seven round
// (11, 11), and the closing copy of the first.
TEST(ShapedButtonRings, APillRunsRoundItsRightEndThenItsLeftEnd) {
  const Rings rings = button_rings::Build(button_rings::Pill, {75, 24});
  ASSERT_EQ(rings[0].size(), 14u);
  EXPECT_EQ(rings[0][0], QPoint(63, 0));
  EXPECT_EQ(rings[0][5], QPoint(66, 22));
  EXPECT_EQ(rings[0][6], QPoint(14, 22));
  EXPECT_EQ(rings[0][12], QPoint(11, 0));
  EXPECT_EQ(rings[0][13], QPoint(63, 0));
  EXPECT_EQ(rings[3][0], QPoint(63, 4));
  EXPECT_TRUE(button_rings::Valid(rings));
}

// 40 x 30: the centre (19, 14), radius 14 and 14 points; ring 3 has radius 10.
TEST(ShapedButtonRings, ACircleHasAPointPerPixelOfItsRadius) {
  const Rings rings = button_rings::Build(button_rings::Circle, {40, 30});
  ASSERT_EQ(rings[0].size(), 15u);
  EXPECT_EQ(rings[0][0], QPoint(33, 14));
  EXPECT_EQ(rings[3][0], QPoint(29, 14));
  EXPECT_EQ(rings[0].back(), rings[0].front());
}

TEST(ShapedButtonRings, AnUnknownShapeBuildsNothingAndATinyOneFallsBackToTheRectangle) {
  EXPECT_FALSE(button_rings::Valid(button_rings::Build(7, {50, 20})));
  EXPECT_EQ(button_rings::Build(button_rings::Pill, {2, 1}), button_rings::Build(button_rings::Rectangle, {2, 1}));
}

struct RegionCase {
  int shape;
  QSize size;
  QPoint inside;
  QPoint outside;
};

TEST(ShapedButton, TheWindowIsClippedToTheOuterRing) {
  const RegionCase cases[] = {
      {button_rings::Rectangle, {50, 20}, {1, 1}, {60, 10}},
      {button_rings::Square, {50, 20}, {25, 10}, {5, 10}},
      {button_rings::Circle, {40, 30}, {19, 14}, {2, 2}},
      {button_rings::Pill, {75, 24}, {37, 12}, {1, 1}},
  };
  for (const RegionCase& c : cases) {
    ShapedButton button("Go");
    button.resize(c.size);
    button.SetShape(c.shape);
    EXPECT_TRUE(button.mask().contains(c.inside)) << c.shape;
    EXPECT_FALSE(button.mask().contains(c.outside)) << c.shape;
  }
}

class ShapedButtonImages : public testing::Test {
 protected:
  void SetUp() override {
    button_.setPalette(lumo::ClassicPalette());
    button_.resize(50, 20);
    button_.show();
  }
  void Draw() { button_.grab(); }
  qint64 Key() const { return button_.Image(ShapedButton::Look::Normal).cacheKey(); }
  QRgb Pixel(ShapedButton::Look look, int x, int y) const { return button_.Image(look).pixel(x, y); }

  ShapedButton button_{"&Go"};
};

TEST_F(ShapedButtonImages, ADrawBeforeAnyShapeTakesTheRectangle) {
  EXPECT_TRUE(button_.Image(ShapedButton::Look::Normal).isNull());
  Draw();
  EXPECT_EQ(button_.Rings(), button_rings::Build(button_rings::Rectangle, {50, 20}));
  EXPECT_EQ(button_.Image(ShapedButton::Look::Pressed).size(), QSize(50, 20));
}

// The images are drawn again only when the shape is set or the look changed.
TEST_F(ShapedButtonImages, AreDrawnAgainOnlyWhenTheShapeOrTheLookChanges) {
  button_.SetShape(button_rings::Pill);
  Draw();
  qint64 key = Key();
  Draw();
  EXPECT_EQ(Key(), key) << "redrawn without a change";
  const auto changes = std::vector<std::function<void()>>{
      [this] { button_.SetShape(button_rings::Pill); },
      [this] { button_.setEnabled(false); },
      [this] { button_.setFlat(true); },
      [this] { button_.setText("Stop"); },
  };
  for (std::size_t i = 0; i < changes.size(); ++i) {
    changes[i]();
    Draw();
    EXPECT_NE(Key(), key) << "change " << i;
    key = Key();
  }
}

// With white highlight, black dark shadow, 128 shadow, 223 3-D light and a
// 192 face: the top edge runs right (0.854 of B), so the outer ring's top is
// 217 and ring 1's is 223 * 0.854 + 128 * 0.146 = 209.
TEST_F(ShapedButtonImages, EachLookHasItsOwnBevel) {
  button_.SetShape(button_rings::Rectangle);
  using Look = ShapedButton::Look;
  auto grey = [](int v) { return qRgb(v, v, v); };  // 160: face and shadow mixed half and half
  struct Expected {
    bool flat;  // the flat style: a dark outer and a light inner ring
    Look look;
    QPoint at;  // the top edge at x = 8; the bottom edge runs left, near A
    QRgb colour;
  } expected[] = {
      {false, Look::Normal, {8, 0}, grey(217)},  {false, Look::Normal, {8, 1}, grey(209)},
      {false, Look::Normal, {8, 4}, grey(192)},  {false, Look::Normal, {25, 19}, grey(37)},
      {false, Look::Focus, {8, 0}, grey(0)},     {false, Look::Focus, {8, 1}, grey(217)},
      {false, Look::Focus, {8, 2}, grey(209)},   {false, Look::Focus, {8, 4}, grey(160)},
      {false, Look::Pressed, {8, 0}, grey(0)},   {false, Look::Pressed, {8, 1}, grey(128)},
      {false, Look::Pressed, {8, 4}, grey(160)}, {true, Look::Normal, {8, 0}, grey(0)},
      {true, Look::Normal, {8, 1}, grey(255)},   {true, Look::Pressed, {8, 1}, grey(0)},
      {true, Look::Pressed, {8, 2}, grey(255)},
  };
  for (const Expected& e : expected) {
    button_.setFlat(e.flat);
    Draw();
    EXPECT_EQ(Pixel(e.look, e.at.x(), e.at.y()), e.colour)
        << e.flat << " " << static_cast<int>(e.look) << " at " << e.at.x() << "," << e.at.y();
  }
}

}  // namespace
