#include <gtest/gtest.h>

#include <QRegion>

#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "gui/platform/gdi_canvas.h"

namespace {

using lumo::GdiCanvas;

constexpr QRgb kBack = 0xFF000000u;
constexpr QRgb kInk = 0xFFFF0000u;

using Pixels = std::set<std::pair<int, int>>;

Pixels Inked(const GdiCanvas& canvas) {
  Pixels inked;
  for (int y = 0; y < canvas.Size().height(); ++y) {
    for (int x = 0; x < canvas.Size().width(); ++x) {
      if (canvas.GetPixel(x, y) == kInk) inked.insert({x, y});
    }
  }
  return inked;
}

// Every line leaves out its end point, whatever its direction.
std::function<void(GdiCanvas&)> Line(QPoint from, QPoint to) {
  return [=](GdiCanvas& c) {
    c.SelectPen(kInk);
    c.MoveTo(from.x(), from.y());
    c.LineTo(to.x(), to.y());
  };
}

struct OperationCase {
  const char* what;
  std::function<void(GdiCanvas&)> draw;  // on an 8 x 8 canvas
  Pixels expected;
};

TEST(GdiCanvas, EachOperationInksExactlyItsPixels) {
  const OperationCase cases[] = {
      {"a line right", Line({1, 1}, {5, 1}), {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {"a line left", Line({5, 1}, {1, 1}), {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
      {"a line down", Line({2, 0}, {2, 3}), {{2, 0}, {2, 1}, {2, 2}}},
      {"a diagonal", Line({0, 0}, {3, 3}), {{0, 0}, {1, 1}, {2, 2}}},
      {"a line to its own start", Line({4, 4}, {4, 4}), {}},
      {"a null pen draws nothing, but the line still moves the position",
       [](GdiCanvas& c) { c.SelectNullPen(); c.MoveTo(0, 0); c.LineTo(3, 0); c.SelectPen(kInk); c.LineTo(3, 2); },
       {{3, 0}, {3, 1}}},
      {"pixels outside the image are ignored",
       [](GdiCanvas& c) { c.SetPixel(-1, 0, kInk); c.SetPixel(8, 3, kInk); c.SetPixel(7, 3, kInk); }, {{7, 3}}},
      {"the clip limits every operation until restored",
       [](GdiCanvas& c) {
         c.SaveDC(); c.SelectClip(QRegion(1, 1, 2, 2)); c.FillRect({0, 0, 8, 8}, kInk); c.SetPixel(5, 5, kInk);
         c.RestoreDC(); c.SetPixel(6, 6, kInk);
       },
       {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {6, 6}}},
      {"a filled rectangle leaves out its right and bottom edges",
       [](GdiCanvas& c) { c.FillRect({1, 2, 3, 4}, kInk); }, {{1, 2}, {2, 2}, {1, 3}, {2, 3}}},
      {"restoring brings back the pen; an unmatched restore changes nothing",
       [](GdiCanvas& c) {
         c.SelectPen(kInk); c.SaveDC(); c.SelectNullPen(); c.RestoreDC(); c.RestoreDC();
         c.MoveTo(0, 0); c.LineTo(2, 0);
       },
       {{0, 0}, {1, 0}}},
  };
  for (const OperationCase& c : cases) {
    GdiCanvas canvas({8, 8});
    c.draw(canvas);
    EXPECT_EQ(Inked(canvas), c.expected) << c.what;
  }
  const GdiCanvas blank({4, 4});
  EXPECT_EQ(blank.GetPixel(4, 0), GdiCanvas::kNoColour);
  EXPECT_EQ(blank.GetPixel(0, 0), kBack);
}

// A left half from the top round to the bottom, counter-clockwise, inside
// its box (right and bottom edges outside).
TEST(GdiCanvas, ArcRunsCounterClockwiseInsideItsBox) {
  GdiCanvas canvas({12, 12});
  canvas.SelectPen(kInk);
  canvas.Arc({0, 0, 11, 11}, {5, 0}, {5, 10});
  const Pixels inked = Inked(canvas);
  ASSERT_FALSE(inked.empty());
  EXPECT_TRUE(inked.count({0, 5}));
  for (auto [x, y] : inked) {
    EXPECT_LE(x, 5) << x << "," << y;
    EXPECT_LE(y, 10) << x << "," << y;
  }
  GdiCanvas right({12, 12});
  right.SelectPen(kInk);
  right.Arc({0, 0, 11, 11}, {5, 10}, {5, 0});
  EXPECT_TRUE(Inked(right).count({10, 5}));
  EXPECT_FALSE(Inked(right).count({0, 5}));
}

TEST(GdiCanvas, PolygonFillsWithTheBrushAndOutlinesWithThePen) {
  GdiCanvas canvas({8, 8});
  canvas.SelectBrush(0xFF00FF00u);
  canvas.SelectPen(kInk);
  canvas.Polygon({{1, 1}, {5, 1}, {5, 5}, {1, 5}});
  for (int i = 1; i <= 5; ++i) {
    for (QPoint edge : {QPoint(i, 1), QPoint(5, i), QPoint(i, 5), QPoint(1, i)}) {
      EXPECT_EQ(canvas.GetPixel(edge.x(), edge.y()), kInk) << edge.x() << "," << edge.y();
    }
  }
  EXPECT_EQ(canvas.GetPixel(3, 3), 0xFF00FF00u);
  EXPECT_EQ(canvas.GetPixel(6, 3), kBack);
}

TEST(GdiCanvas, FontsAreScaledToDevicePixels) {
  QFont points;
  points.setPointSize(9);
  EXPECT_EQ(GdiCanvas::FontForDevice(points, 96, 1).pixelSize(), 12);
  EXPECT_EQ(GdiCanvas::FontForDevice(points, 96, 2).pixelSize(), 24);
  QFont pixels;
  pixels.setPixelSize(11);
  EXPECT_EQ(GdiCanvas::FontForDevice(pixels, 96, 1.5).pixelSize(), 17);
}

// The text cell's top left is the point given; "&" only marks a mnemonic.
TEST(GdiCanvas, TextOutPlacesTheCellAtThePointAndHidesTheMnemonicMark) {
  GdiCanvas canvas({80, 30});
  QFont font;
  font.setPixelSize(12);
  font.setStyleStrategy(QFont::NoAntialias);
  canvas.SelectFont(font);
  EXPECT_EQ(canvas.TextExtent("E&xit").width(), canvas.TextExtent("Exit").width());
  canvas.TextOut({10, 5}, "Exit", kInk);
  const Pixels inked = Inked(canvas);
  ASSERT_FALSE(inked.empty());
  for (auto [x, y] : inked) {
    EXPECT_GE(x, 10);
    EXPECT_GE(y, 5);
    EXPECT_LT(y, 5 + canvas.TextExtent("Exit").height());
  }
}

}  // namespace
