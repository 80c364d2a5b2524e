// Rendering a shaped button's three images (normal, focus, pressed), as its
// first draw and every change of look do: the about box's widest button,
// a pill of 131 x 26 pixels, at pixel ratios 1 and 2. Prints how long the
// font system takes to start (the program has done that long before its
// about box opens), the first render in this fresh process with the peak
// memory, then the warm median.
// Run by hand:
//   build/bench/shaped_button_bench [renders]
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_timing.h"
#include "gui/platform/classic_look.h"
#include "gui/platform/gdi_canvas.h"
#include "gui/platform/system_colours.h"
#include "gui/widgets/button_rings.h"
#include "gui/widgets/shaped_button_renderer.h"

using namespace lumo;

namespace {

double RenderOnce(qreal ratio) {
  const QSize size(static_cast<int>(131 * ratio), static_cast<int>(26 * ratio));
  QElapsedTimer clock;
  clock.start();
  const button_rings::Rings rings = button_rings::Build(button_rings::Pill, size);
  const ShapedButtonRenderer renderer(rings, lumo::SystemColours::FromPalette(lumo::ClassicPalette()), false);
  const ShapedButtonImages images =
      renderer.Render(size, lumo::GdiCanvas::FontForDevice(lumo::DialogFont(), 96, ratio), "&Read the documentation",
                      false);
  const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  if (images.pressed.isNull()) std::abort();
  return elapsed;
}

// The first text drawn in a process loads the fonts.
double StartFonts() {
  QElapsedTimer clock;
  clock.start();
  QImage scratch(64, 16, QImage::Format_RGB32);
  QPainter painter(&scratch);
  painter.setFont(lumo::DialogFont());
  painter.drawText(0, 12, "Lumo");
  return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int renders = argc > 1 ? std::atoi(argv[1]) : 200;
  std::printf("font system start-up: %.3f ms\n", StartFonts());
  for (qreal ratio : {1.0, 2.0}) {
    const double first = RenderOnce(ratio);
    const double peak = lumo::bench::PeakMegabytes();
    std::vector<double> warm;
    for (int i = 0; i < renders; ++i) warm.push_back(RenderOnce(ratio));
    std::printf("ratio %.0f: ", ratio);
    lumo::bench::PrintTimings("three images of a 131x26 pill", first, peak, warm);
  }
  return 0;
}
