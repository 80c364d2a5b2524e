// Start-up as a user meets it: every sample is a new process, so nothing is
// reused from an earlier run. Each process times, from the entry of main():
//   shown     the window is on the screen and its first posted event runs
//   tree      the start-up load, build and Artist level are done, the
//             progress panel is gone and the window repainted
//   all       the All level chosen with its button, as a user does, and
//             painted ("refused" when the window declines it as too large)
// and reads its peak memory (VmHWM) after each. A minimal Qt dialog with a
// tree view is measured in the same run, and the window on an empty
// collection, as the floors to compare with.
// The command line is measured the same way, a new process per sample:
// --list, the CSV, HTML and JSON reports, --duplicates, and --merge of a
// second collection of the same size, each beside `lumo --version`, its floor.
// Run by hand (under xvfb-run for a real X server, else off screen):
//   build/bench/startup_bench [--shape albums|unnamed|headers] [--no-all]
//                             [--lumo PATH] [--ini FILE] [--codepage N] [runs] [albums ...]
//     default: albums, 5 runs, 20000 200000 albums; --shape unnamed writes
//     albums with numtracks=99 and no track keys, --shape headers bare
//     section headers (the count given as albums); --no-all leaves out the
//     All level; --lumo names another build's program for the command line;
//     --ini measures the collection FILE instead of made ones (no --merge),
//     read in code page N when --codepage is given.
#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QDialog>
#include <QTreeView>
#include <QVBoxLayout>

#include <functional>

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gui/main/lumo_dlg.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/main/duplicate_notify.h"
#include "gui/platform/classic_look.h"
#include "core/platform/message_box.h"
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
    double all = 0;
    double allPeak = 0;
    if (qEnvironmentVariableIsEmpty("LUMO_BENCH_NO_ALL")) {
      auto* main = static_cast<CLumoDlg*>(watched);
      // A refusal's message box is answered at once.
      lumo::SetMessageBoxHandler([](const std::string&, lumo::MessageButtons, lumo::MessageIcon) { return 1; });
      main->ControlAs<QAbstractButton>(CLumoDlg::kLevelAll)->click();
      main->Tree().viewport()->repaint();
      all = MillisecondsSinceStart() - tree;
      allPeak = PeakMegabytes();
      if (main->GetDisplayLevel() != DisplayLevel::All) all = -all;  // refused
    }
    std::printf("%.3f %.1f %.3f %.1f %.3f %.1f\n", shown, shownPeak, tree, treePeak, all, allPeak);
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

// The settings folder points the search path at `dir`; a code page other
// than 0 is chosen for the collection.
void WriteSettings(const fs::path& config, const fs::path& dir, int codePage = 0) {
  fs::create_directories(config / "lumo");
  std::ofstream settings(config / "lumo" / "lumo.ini", std::ios::binary);
  settings << "[options]\r\npath=" << dir.string() << "\r\ncdkeys=1\r\ntooltips=1\r\n";
  if (codePage != 0) settings << "codepage=" << codePage << "\r\n";
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
  std::printf("%-30s %-7s shown %7.1f ms (%5.1f MB)  load..Artist %8.1f ms  peak %7.1f MB  ", name, which, s.shown,
              s.shownPeak, s.tree, s.treePeak);
  if (s.all < 0) {
    std::printf("All refused in %.1f ms, peak %.1f MB\n", -s.all, s.allPeak);
  } else {
    std::printf("All %8.1f ms  peak %7.1f MB\n", s.all, s.allPeak);
  }
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

// One run of the program's command line in a new process, its output
// thrown away: wall time and the process's peak memory (ru_maxrss).
struct CommandSample {
  double ms = 0;
  double peak = 0;  // MB
};

CommandSample RunCommand(const std::vector<std::string>& arguments) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);  // notes on duplicates, once per sample
    execv(argv[0], argv.data());
    std::_Exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  // An HTML report of a collection without artists is refused, as it should be.
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::printf("(%s %s: exit status %d)\n", arguments[0].c_str(), arguments[1].c_str(), status);
  }
  return {ms, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

// `before` runs ahead of each sample, outside the time (a fresh copy of a
// file the command changes).
void MeasureCommand(const std::string& name, const std::vector<std::string>& arguments, int runs,
                    const std::function<void()>& before = {}) {
  std::vector<double> times;
  std::vector<double> peaks;
  for (int i = 0; i < runs; ++i) {
    if (before) before();
    const CommandSample sample = RunCommand(arguments);
    if (i == 0) std::printf("%-30s first   %9.1f ms  peak %7.1f MB\n", name.c_str(), sample.ms, sample.peak);
    times.push_back(sample.ms);
    peaks.push_back(sample.peak);
  }
  std::printf("%-30s median  %9.1f ms  peak %7.1f MB\n", name.c_str(), Median(times), Median(peaks));
}

struct Options {
  lumo::bench::CollectionShape::Kind kind = lumo::bench::CollectionShape::Kind::Albums;
  const char* kindName = "albums";
  bool all = true;
  std::string lumo = LUMO_EXECUTABLE;
  int runs = 5;
  std::vector<int> sizes;
  std::string ini;   // a given collection instead of made ones
  int codePage = 0;  // 0: the default
};

Options ReadOptions(int argc, char** argv) {
  Options options;
  std::vector<const char*> numbers;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--no-all") {
      options.all = false;
    } else if (word == "--ini" && i + 1 < argc) {
      options.ini = argv[++i];
    } else if (word == "--codepage" && i + 1 < argc) {
      options.codePage = std::atoi(argv[++i]);
    } else if (word == "--lumo" && i + 1 < argc) {
      options.lumo = argv[++i];
    } else if (word == "--shape" && i + 1 < argc) {
      options.kindName = argv[++i];
      using Kind = lumo::bench::CollectionShape::Kind;
      const std::string kind = options.kindName;
      options.kind = kind == "unnamed" ? Kind::UnnamedTracks : kind == "headers" ? Kind::BareHeaders : Kind::Albums;
    } else {
      numbers.push_back(argv[i]);
    }
  }
  if (!numbers.empty()) options.runs = std::max(1, std::atoi(numbers[0]));
  for (std::size_t i = 1; i < numbers.size(); ++i) options.sizes.push_back(std::atoi(numbers[i]));
  if (options.sizes.empty()) options.sizes = {20000, 200000};
  return options;
}

void MeasureCommandLine(const Options& options, const lumo::bench::CollectionShape& shape, const fs::path& dir,
                        const std::string& name) {
  const std::string ini = (dir / "cdplayer.ini").string();
  const auto command = [&](std::vector<std::string> words) {
    words.insert(words.begin(), options.lumo);
    words.insert(words.end(), {"--ini", ini});
    if (options.codePage != 0) words.insert(words.end(), {"--codepage", std::to_string(options.codePage)});
    return words;
  };
  MeasureCommand(name + " --list", command({"--list"}), options.runs);
  MeasureCommand(name + " CSV", command({"--report", (dir / "r.csv").string()}), options.runs);
  MeasureCommand(name + " HTML", command({"--report", (dir / "r.html").string()}), options.runs);
  MeasureCommand(name + " JSON", command({"--report", (dir / "r.json").string()}), options.runs);
  MeasureCommand(name + " --duplicates", command({"--duplicates"}), options.runs);
  if (!options.ini.empty()) return;
  // Another collection of the same shape under other CD keys, merged into
  // a fresh copy of this one each time.
  lumo::bench::CollectionShape other = shape;
  other.seed = shape.seed + 1;
  const std::string otherIni = (dir / "other.ini").string();
  const std::string target = (dir / "merged.ini").string();
  lumo::bench::WriteCollection(other, otherIni);
  MeasureCommand(name + " --merge", {options.lumo, "--merge", otherIni, "--ini", target}, options.runs,
                 [&] { fs::copy_file(ini, target, fs::copy_options::overwrite_existing); });
}

int RunParent(int argc, char** argv) {
  const Options options = ReadOptions(argc, argv);
  if (!options.all) setenv("LUMO_BENCH_NO_ALL", "1", 1);
  const lumo::test::TempDir scratchFolder;
  const fs::path scratch = scratchFolder.Path();
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  std::printf("%d processes per row; times from main(), peak = VmHWM (window) or ru_maxrss (command line)\n",
              options.runs);
  Measure(self.c_str(), "minimal Qt dialog", "minimal", scratch / "config-minimal", options.runs);
  // The floors of what follows: the window on an empty collection, and
  // the command line that reads none.
  const fs::path empty = scratch / "empty";
  fs::create_directories(empty);
  std::ofstream(empty / "cdplayer.ini", std::ios::binary);
  WriteSettings(empty / "config", empty);
  Measure(self.c_str(), "Lumo, empty collection", "lumo", empty / "config", options.runs);
  MeasureCommand("lumo --version", {options.lumo, "--version"}, options.runs);
  for (int albums : options.ini.empty() ? options.sizes : std::vector<int>{0}) {
    const fs::path dir = scratch / std::to_string(albums);
    fs::create_directories(dir);
    lumo::bench::CollectionShape shape;
    shape.kind = options.kind;
    shape.albums = albums;
    if (options.kind == lumo::bench::CollectionShape::Kind::UnnamedTracks) shape.tracksPerAlbum = 99;
    if (options.ini.empty()) {
      lumo::bench::WriteCollection(shape, (dir / "cdplayer.ini").string());
    } else {
      fs::copy_file(options.ini, dir / "cdplayer.ini");
    }
    WriteSettings(dir / "config", dir, options.codePage);
    const std::string name = options.ini.empty() ? "Lumo, " + std::to_string(albums) + " " + options.kindName
                                                 : "Lumo, " + fs::path(options.ini).filename().string();
    std::printf("%s: %.1f MB file\n", name.c_str(), fs::file_size(dir / "cdplayer.ini") / 1048576.0);
    Measure(self.c_str(), name.c_str(), "lumo", dir / "config", options.runs);
    MeasureCommandLine(options, shape, dir, name);
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
