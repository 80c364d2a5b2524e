#include <gtest/gtest.h>

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <vector>

#include "gui/platform/classic_look.h"
#include "gui/platform/gdi_canvas.h"
#include "gui/platform/system_colours.h"
#include "gui/widgets/round_button.h"
#include "gui/widgets/round_button_painter.h"
#include "gui/widgets/round_rim.h"
#include "gui/widgets/shaped_button.h"

using namespace lumo;

namespace {

using lumo::GdiCanvas;

constexpr double kPi = 3.141592653589793;

// The classic colours, chosen so that mixes are easy to work out by hand.
const lumo::SystemColours kColours{qRgb(192, 192, 192), qRgb(128, 128, 128), qRgb(255, 255, 255), qRgb(0, 0, 0),
                                   qRgb(223, 223, 223)};

// The rim's shading, written out again from its definition.
QRgb ReferenceShade(double theta, QRgb lit, QRgb unlit) {
  double u = -1.88 - theta;
  if (u < -3.1415) u += 6.293;
  else if (u > 3.1415) u = 6.293 - u;
  const double d = (std::cos(u) + 1) / 2;
  auto channel = [d](int a, int b) { return static_cast<int>(a * d + b * (1 - d)); };
  return qRgb(channel(qRed(lit), qRed(unlit)), channel(qGreen(lit), qGreen(unlit)), channel(qBlue(lit), qBlue(unlit)));
}

QFont PlainFont() {
  QFont font;
  font.setPixelSize(11);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

GdiCanvas Drawn(QSize size, RoundButtonState state, const QString& caption = "Exit") {
  GdiCanvas canvas(size);
  canvas.SelectFont(PlainFont());
  RoundButtonPainter(RoundButtonGeometry::ForClientSize(size), kColours).Draw(canvas, state, caption);
  return canvas;
}

int Count(const GdiCanvas& canvas, QRect area, QRgb colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += canvas.GetPixel(x, y) == (colour | 0xFF000000u);
  }
  return count;
}

// Inside the rim of an 80 x 23 button: where the caption goes.
const QRect kCaptionArea(12, 4, 56, 15);

struct OutlineCase {
  QSize requested;
  QSize size;  // a button taller than wide becomes a square of its width
  std::vector<QPoint> inside;   // the rim, rounded ends included
  std::vector<QPoint> outside;  // the corners
};

// The window is clipped to the drawn outline: a round button to the ellipse
// of its rectangle, a wide one to its two rounded ends and straight edges.
// (Where the rim itself lies is checked by its colours below.)
TEST(RoundButton, TheWindowFollowsTheDrawnOutline) {
  const OutlineCase cases[] = {
      {{30, 40}, {30, 30}, {{15, 15}}, {{0, 0}, {29, 29}}},
      {{80, 23}, {80, 23}, {{0, 11}, {10, 1}, {10, 21}, {3, 4}, {3, 18}, {76, 4}, {79, 11}, {40, 1}},
       {{0, 0}, {79, 0}, {0, 22}, {79, 22}}},
  };
  for (const OutlineCase& c : cases) {
    QWidget window;
    RoundButton& button = *new RoundButton(&window);
    window.show();
    button.resize(c.requested);
    ASSERT_EQ(button.size(), c.size);
    for (QPoint p : c.inside) EXPECT_TRUE(button.mask().contains(p)) << p.x() << "," << p.y();
    for (QPoint p : c.outside) EXPECT_FALSE(button.mask().contains(p)) << p.x() << "," << p.y();
  }
}

TEST(RoundButtonShade, FacingTheLightIsTheLitColourAndAwayFromItAlmostTheOther) {
  EXPECT_EQ(round_rim::Shade(-1.88, qRgb(10, 20, 30), qRgb(200, 100, 0)), qRgb(10, 20, 30));
  EXPECT_EQ(round_rim::Shade(1.2615, qRgb(0, 0, 0), qRgb(255, 255, 255)), qRgb(254, 254, 254));
}

struct RimPixel {
  QPoint at;
  QRgb raised;
  QRgb pressed;
};

// Pressing swaps the light and dark sides of both rings; the straight edges
// continue the shading of the left end while raised and take fixed colours
// while pressed. Where two writes meet, the later one counts: the left
// end's middle pixel is last drawn with the direction -pi.
TEST(RoundButton, PressingSwapsTheLightAndDarkSidesOfTheRim) {
  const auto& c = kColours;
  const RimPixel pixels[] = {
      {{0, 11}, ReferenceShade(-kPi, c.highlight, c.darkShadow), ReferenceShade(-kPi, c.darkShadow, c.highlight)},
      {{1, 11}, ReferenceShade(-kPi, c.light, c.shadow), ReferenceShade(-kPi, c.shadow, c.light)},
      {{79, 11}, ReferenceShade(0, c.highlight, c.darkShadow), ReferenceShade(0, c.darkShadow, c.highlight)},
      {{40, 1}, ReferenceShade(-kPi / 2, c.highlight, c.darkShadow), c.darkShadow},
      {{40, 2}, ReferenceShade(-kPi / 2, c.light, c.shadow), c.shadow},
      {{40, 20}, ReferenceShade(kPi / 2, c.light, c.shadow), c.light},
      {{40, 21}, ReferenceShade(kPi / 2, c.highlight, c.darkShadow), c.highlight},
      {{5, 5}, c.face, c.face},
  };
  const GdiCanvas raised = Drawn({80, 23}, {});
  const GdiCanvas pressed = Drawn({80, 23}, {.pressed = true});
  for (const RimPixel& p : pixels) {
    EXPECT_EQ(raised.GetPixel(p.at.x(), p.at.y()), p.raised | 0xFF000000u) << p.at.x() << "," << p.at.y();
    EXPECT_EQ(pressed.GetPixel(p.at.x(), p.at.y()), p.pressed | 0xFF000000u) << p.at.x() << "," << p.at.y();
  }
}

TEST(RoundButton, PressingMovesTheCaptionOnePixelDownAndRight) {
  const GdiCanvas raised = Drawn({80, 23}, {});
  const GdiCanvas pressed = Drawn({80, 23}, {.pressed = true});
  ASSERT_GT(Count(raised, kCaptionArea, kColours.darkShadow), 5);
  for (int y = kCaptionArea.top(); y <= kCaptionArea.bottom(); ++y) {
    for (int x = kCaptionArea.left(); x <= kCaptionArea.right(); ++x) {
      ASSERT_EQ(pressed.GetPixel(x + 1, y + 1), raised.GetPixel(x, y)) << x << "," << y;
    }
  }
}

// Enabled: engraved (highlight, then dark shadow one pixel up and left).
// Disabled: embossed (highlight one pixel down and right, button shadow on
// top), never in the engraved colours.
TEST(RoundButton, ADisabledCaptionIsEmbossedNotEngraved) {
  const GdiCanvas enabled = Drawn({80, 23}, {});
  const GdiCanvas disabled = Drawn({80, 23}, {.disabled = true});
  EXPECT_GT(Count(enabled, kCaptionArea, kColours.darkShadow), 5);
  EXPECT_EQ(Count(enabled, kCaptionArea, kColours.shadow), 0);
  EXPECT_EQ(Count(disabled, kCaptionArea, kColours.darkShadow), 0);
  EXPECT_GT(Count(disabled, kCaptionArea, kColours.shadow), 5);
  EXPECT_GT(Count(disabled, kCaptionArea, kColours.highlight), 0);
}

TEST(RoundButton, AnEmptyCaptionLeavesTheFaceBare) {
  const GdiCanvas empty = Drawn({80, 23}, {}, QString());
  EXPECT_EQ(Count(empty, kCaptionArea, kColours.face), kCaptionArea.width() * kCaptionArea.height());
}

// Round: a solid black ring on the outside and a dashed circle two pixels
// inside the (shrunk) rim. Elongated: a dashed outline one pixel inside the
// rim's inner ring, so that the keyboard user sees the focus.
TEST(RoundButton, TheFocusIsMarkedOnRoundAndElongatedButtons) {
  const QRgb black = 0xFF000000u;
  const GdiCanvas round = Drawn({30, 30}, {.focused = true}, QString());
  EXPECT_EQ(round.GetPixel(29, 15), black);  // radius 14
  EXPECT_EQ(round.GetPixel(26, 15), black);  // the dashed mark, radius 11
  EXPECT_NE(Drawn({30, 30}, {}, QString()).GetPixel(26, 15), black);

  const GdiCanvas wide = Drawn({80, 23}, {.focused = true}, QString());
  const GdiCanvas unfocused = Drawn({80, 23}, {}, QString());
  for (QPoint mark : {QPoint(2, 11), QPoint(77, 11), QPoint(12, 3), QPoint(12, 19), QPoint(40, 3)}) {
    EXPECT_EQ(wide.GetPixel(mark.x(), mark.y()), black) << mark.x() << "," << mark.y();
    EXPECT_EQ(unfocused.GetPixel(mark.x(), mark.y()), kColours.face | black) << mark.x() << "," << mark.y();
  }
  EXPECT_EQ(wide.GetPixel(13, 3), kColours.face | black);  // dashed
  // The rim itself is untouched.
  EXPECT_EQ(wide.GetPixel(40, 2), unfocused.GetPixel(40, 2));
  EXPECT_EQ(wide.GetPixel(0, 11), unfocused.GetPixel(0, 11));
}

// The flat style: a dark outer and a light inner ring, no shading.
TEST(RoundButton, TheFlatStyleDrawsTwoPlainRings) {
  const GdiCanvas round = Drawn({30, 30}, {.flat = true});
  EXPECT_EQ(round.GetPixel(29, 15), kColours.darkShadow | 0xFF000000u);
  EXPECT_EQ(round.GetPixel(28, 15), kColours.highlight | 0xFF000000u);
  const GdiCanvas wide = Drawn({80, 23}, {.flat = true});
  EXPECT_EQ(wide.GetPixel(40, 0), kColours.darkShadow | 0xFF000000u);
  EXPECT_EQ(wide.GetPixel(40, 19), kColours.darkShadow | 0xFF000000u);
  EXPECT_EQ(wide.GetPixel(40, 1), kColours.highlight | 0xFF000000u);
  EXPECT_GT(Count(wide, QRect(0, 9, 1, 2), kColours.darkShadow), 0);  // the left arc's outermost pixels
}

// On a dense screen the rim is drawn at the device's resolution: its two
// rings stay one device pixel wide each, not one scaled-up pixel.
TEST(RoundButton, DenseScreensGetImagesAtTheirOwnResolution) {
  RoundButton button("Exit");
  button.setFont(PlainFont());
  button.setPalette(lumo::ClassicPalette());
  button.resize(80, 23);
  for (qreal ratio : {1.0, 1.5, 2.0}) {
    const QImage image = button.Render(ratio);
    EXPECT_EQ(image.devicePixelRatio(), ratio);
    ASSERT_EQ(image.size(), QSize(static_cast<int>(std::ceil(80 * ratio)), static_cast<int>(std::ceil(23 * ratio))));
    const int cy = image.height() / 2;
    const auto& c = kColours;
    EXPECT_EQ(image.pixel(0, cy), ReferenceShade(-kPi, c.highlight, c.darkShadow) | 0xFF000000u) << ratio;
    EXPECT_EQ(image.pixel(1, cy), ReferenceShade(-kPi, c.light, c.shadow) | 0xFF000000u) << ratio;
    EXPECT_EQ(image.pixel(2, cy), c.face | 0xFF000000u) << ratio;
  }
}

// Both kinds of button that draw themselves must stay push buttons to the
// keyboard and to screen readers.
template <class Button>
class SelfDrawnButton : public testing::Test {};
using SelfDrawnButtons = testing::Types<RoundButton, ShapedButton>;
TYPED_TEST_SUITE(SelfDrawnButton, SelfDrawnButtons);

TYPED_TEST(SelfDrawnButton, StaysAPushButtonForKeyboardAndScreenReaders) {
  QWidget window;
  auto* button = new TypeParam("E&xit", &window);
  button->resize(80, 23);
  QSignalSpy clicks(button, &QAbstractButton::clicked);
  window.show();
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 1);
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(button);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->role(), QAccessible::Button);
  EXPECT_EQ(access->text(QAccessible::Name), "Exit");
  EXPECT_EQ(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
  access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_TRUE(clicks.count() == 2 || clicks.wait(2000));  // pressed as by a click, after the brief animation
  EXPECT_EQ(clicks.count(), 2);
  button->setEnabled(false);
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_TRUE(access->state().disabled);
}

}  // namespace
