#include <gtest/gtest.h>

#include <QRegion>

#include <set>
#include <utility>
#include <vector>

#include "platform/gdi_canvas.h"

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

struct LineCase {
  QPoint from;
  QPoint to;
  Pixels expected;
};

// Every line leaves out its end point, whatever its direction.
TEST(GdiCanvas, LineToDrawsUpToButNotIncludingTheEndPoint) {
  const LineCase cases[] = {
      {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {{5, 1}, {1, 1}, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
      {{2, 0}, {2, 3}, {{2, 0}, {2, 1}, {2, 2}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{4, 4}, {4, 4}, {}},
  };
  for (const LineCase& c : cases) {
    GdiCanvas canvas({8, 8});
    canvas.SelectPen(kInk);
    canvas.MoveTo(c.from.x(), c.from.y());
    canvas.LineTo(c.to.x(), c.to.y());
    EXPECT_EQ(Inked(canvas), c.expected) << c.from.x() << "," << c.from.y() << " to " << c.to.x() << "," << c.to.y();
  }
}

TEST(GdiCanvas, LineToMovesTheCurrentPositionAndANullPenDrawsNothing) {
  GdiCanvas canvas({8, 8});
  canvas.SelectNullPen();
  canvas.MoveTo(0, 0);
  canvas.LineTo(3, 0);
  EXPECT_TRUE(Inked(canvas).empty());
  canvas.SelectPen(kInk);
  canvas.LineTo(3, 2);
  EXPECT_EQ(Inked(canvas), (Pixels{{3, 0}, {3, 1}}));
}

TEST(GdiCanvas, PixelsOutsideTheImageAreIgnoredAndReadAsNoColour) {
  GdiCanvas canvas({4, 4});
  canvas.SetPixel(-1, 0, kInk);
  canvas.SetPixel(4, 3, kInk);
  canvas.SetPixel(3, 3, kInk);
  EXPECT_EQ(Inked(canvas), (Pixels{{3, 3}}));
  EXPECT_EQ(canvas.GetPixel(4, 0), GdiCanvas::kNoColour);
  EXPECT_EQ(canvas.GetPixel(0, 0), kBack);
}

TEST(GdiCanvas, TheClipLimitsEveryOperationUntilRestored) {
  GdiCanvas canvas({6, 6});
  canvas.SaveDC();
  canvas.SelectClip(QRegion(1, 1, 2, 2));
  canvas.FillRect({0, 0, 6, 6}, kInk);
  canvas.SetPixel(5, 5, kInk);
  EXPECT_EQ(Inked(canvas), (Pixels{{1, 1}, {2, 1}, {1, 2}, {2, 2}}));
  canvas.RestoreDC();
  canvas.SetPixel(5, 5, kInk);
  EXPECT_EQ(canvas.GetPixel(5, 5), kInk);
}

TEST(GdiCanvas, FillRectLeavesOutTheRightAndBottomEdges) {
  GdiCanvas canvas({6, 6});
  canvas.FillRect({1, 2, 3, 4}, kInk);
  EXPECT_EQ(Inked(canvas), (Pixels{{1, 2}, {2, 2}, {1, 3}, {2, 3}}));
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

TEST(GdiCanvas, RestoreDcBringsBackThePen) {
  GdiCanvas canvas({4, 4});
  canvas.SelectPen(kInk);
  canvas.SaveDC();
  canvas.SelectNullPen();
  canvas.RestoreDC();
  canvas.RestoreDC();  // unmatched: nothing changes
  canvas.MoveTo(0, 0);
  canvas.LineTo(2, 0);
  EXPECT_EQ(Inked(canvas), (Pixels{{0, 0}, {1, 0}}));
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
