// Start-up as a user meets it: every sample is a new process, so nothing is
// reused from an earlier run. Each process times, from the entry of main():
//   shown     the window is on the screen and its first posted event runs
//   tree      the start-up load, build and Artist level are done, the
//             progress panel is gone and the window repainted
//   all       the All level applied and painted
// and reads its peak memory (VmHWM) after each. A minimal Qt dialog with a
// tree view is measured in the same run, as the floor to compare with.
// Run by hand (under xvfb-run for a real X server, else off screen):
//   build/bench/startup_bench [runs] [albums ...]     default: 5 20000 200000
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QDialog>
#include <QTreeView>
#include <QVBoxLayout>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/main/duplicate_notify.h"
#include "gui/platform/classic_look.h"
#include "support/answer_duplicates.h"
#include "support/collection_generator.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const Clock::time_point kProcessStart = Clock::now();
// The main window posts itself this event to start the load once shown.
const auto kStartUpMessage = static_cast<QEvent::Type>(QEvent::User + 500);

double MillisecondsSinceStart() {
  return std::chrono::duration<double, std::milli>(Clock::now() - kProcessStart).count();
}

// Peak resident memory of this process so far, in MB.
double PeakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  }
  return -1.0;
}

// Runs the real start-up handler when it arrives, then takes the figures.
class StartUpProbe : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != kStartUpMessage) return false;
    const double shown = MillisecondsSinceStart();
    const double shownPeak = PeakMegabytes();
    static_cast<QObject*>(watched)->event(event);  // load, build, Artist level
    auto* window = static_cast<QWidget*>(watched);
    window->repaint();
    const double tree = MillisecondsSinceStart();
    const double treePeak = PeakMegabytes();
    auto* treeCtrl = window->findChild<LumoTreeCtrl*>();
    treeCtrl->ApplyDisplayLevel(DisplayLevel::All, false);
    treeCtrl->viewport()->repaint();
    const double all = MillisecondsSinceStart() - tree;
    std::printf("%.3f %.1f %.3f %.1f %.3f %.1f\n", shown, shownPeak, tree, treePeak, all, PeakMegabytes());
    std::fflush(stdout);
    std::_Exit(0);  // the figures are out; closing would write settings
  }
};

// The floor: a dialog with an empty tree view, shown the same way.
class MinimalProbe : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != kStartUpMessage) return false;
    std::printf("%.3f %.1f 0 0 0 0\n", MillisecondsSinceStart(), PeakMegabytes());
    std::fflush(stdout);
    std::_Exit(0);
  }
};

int RunMinimal(int argc, char** argv) {
  QApplication app(argc, argv);
  QDialog dialog;
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QTreeView(&dialog));
  dialog.resize(400, 600);
  MinimalProbe probe;
  dialog.installEventFilter(&probe);
  QCoreApplication::postEvent(&dialog, new QEvent(kStartUpMessage));
  return dialog.exec();
}

int RunLumo(int argc, char** argv) {
  QApplication app(argc, argv);
  lumo::ApplyClassicLook(app);
  lumo::bench::AnswerDuplicatesOnce();
  CLumoDlg window;
  StartUpProbe probe;
  window.installEventFilter(&probe);
  return window.DoModal();
}

// The settings folder points the search path at `dir`.
void WriteSettings(const fs::path& config, const fs::path& dir) {
  fs::create_directories(config / "lumo");
  std::ofstream(config / "lumo" / "lumo.ini", std::ios::binary)
      << "[options]\r\npath=" << dir.string() << "\r\ncdkeys=1\r\ntooltips=1\r\n";
}

struct Sample {
  double shown = 0, shownPeak = 0, tree = 0, treePeak = 0, all = 0, allPeak = 0;  // ms and MB
};

Sample RunChild(const char* self, const char* kind, const fs::path& config) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) std::abort();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeEnds[1], 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    execl(self, self, "--child", kind, static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  close(pipeEnds[1]);
  char buffer[256] = {};
  const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer - 1);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  Sample s;
  if (got <= 0 || std::sscanf(buffer, "%lf %lf %lf %lf %lf %lf", &s.shown, &s.shownPeak, &s.tree, &s.treePeak,
                              &s.all, &s.allPeak) != 6) {
    std::fprintf(stderr, "%s child failed\n", kind);
    std::exit(1);
  }
  if (s.tree > 0) s.tree -= s.shown;  // from the window shown to the tree shown
  return s;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void PrintRow(const char* name, const char* which, const Sample& s) {
  std::printf("%-24s %-7s shown %7.1f ms (%5.1f MB)  load..Artist %7.1f ms  peak %6.1f MB  All %7.1f ms  peak %6.1f MB\n",
              name, which, s.shown, s.shownPeak, s.tree, s.treePeak, s.all, s.allPeak);
}

void Report(const char* name, const std::vector<Sample>& samples) {
  PrintRow(name, "first", samples.front());
  Sample median;
  auto pick = [&](double Sample::*field) {
    std::vector<double> values;
    for (const Sample& s : samples) values.push_back(s.*field);
    return Median(values);
  };
  median.shown = pick(&Sample::shown);
  median.shownPeak = pick(&Sample::shownPeak);
  median.tree = pick(&Sample::tree);
  median.treePeak = pick(&Sample::treePeak);
  median.all = pick(&Sample::all);
  median.allPeak = pick(&Sample::allPeak);
  PrintRow(name, "median", median);
}

void Measure(const char* self, const char* name, const char* kind, const fs::path& config, int runs) {
  std::vector<Sample> samples;
  for (int i = 0; i < runs; ++i) samples.push_back(RunChild(self, kind, config));
  Report(name, samples);
}

int RunParent(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  std::vector<int> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(std::atoi(argv[i]));
  if (sizes.empty()) sizes = {20000, 200000};
  const lumo::test::TempDir scratchFolder;
  const fs::path scratch = scratchFolder.Path();
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  std::printf("%d processes per row; times from main(), peak = VmHWM\n", runs);
  Measure(self.c_str(), "minimal Qt dialog", "minimal", scratch / "config-minimal", runs);
  for (int albums : sizes) {
    const fs::path dir = scratch / std::to_string(albums);
    fs::create_directories(dir);
    lumo::bench::CollectionShape shape;
    shape.albums = albums;
    lumo::bench::WriteCollection(shape, (dir / "cdplayer.ini").string());
    WriteSettings(dir / "config", dir);
    const std::string name = "Lumo, " + std::to_string(albums) + " albums";
    std::printf("%s: %.1f MB file\n", name.c_str(), fs::file_size(dir / "cdplayer.ini") / 1048576.0);
    Measure(self.c_str(), name.c_str(), "lumo", dir / "config", runs);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  if (argc > 2 && std::string(argv[1]) == "--child") {
    return std::string(argv[2]) == "minimal" ? RunMinimal(argc, argv) : RunLumo(argc, argv);
  }
  return RunParent(argc, argv);
}
