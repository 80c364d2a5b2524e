// How often another program's write into cdplayer.ini is lost while Lumo
// replaces the file. The parent process is Lumo: it makes a change, then
// undoes and redoes it over and over (each one a whole-file replacement).
// A child process plays the other program: at a random moment it opens the
// file, holds it for a random 0..hold microseconds, then appends a numbered
// line or overwrites a numbered marker in place through that descriptor.
// After each such write the parent looks whether the number is in the file:
// if not, the write went into a file Lumo had already replaced, and is lost.
// The writer runs at real-time priority where it may, so that the machine's
// other work does not stretch its hold; the real hold is measured, and the
// writes that came within the one asked for are counted apart. Figures vary
// with the disk's flush times and the machine's load: compare builds in
// alternating runs.
//
// Run by hand, not by ctest: build-*/bench/outside_writer_race
//   [--trials N] [--hold-us MICROSECONDS] [--albums N] [--lock]
// --lock makes the other program honour an advisory lock on the file (an
// open-file-description write lock, re-opened when the file was replaced
// while it waited), as a careful program would.
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "core/catalogue/catalogue_item.h"
#include "core/collection/catalogue.h"
#include "support/collection_generator.h"

using namespace lumo;

namespace {

struct Options {
  int trials = 2000;
  int holdMicros = 2000;
  int albums = 200;
  bool lock = false;
};

// What the other program reports after each write.
struct Trial {
  int number = 0;
  bool append = false;
  int startMicros = 0;  // from the open to the write, as it really was (the writer may be descheduled)
};

const char* const kMarker = ";m=";  // followed by six digits, overwritten in place

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    if (name == "--lock") {
      options.lock = true;
      continue;
    }
    const int value = i + 1 < argc ? std::atoi(argv[++i]) : 0;
    if (name == "--trials") options.trials = value;
    if (name == "--hold-us") options.holdMicros = value;
    if (name == "--albums") options.albums = value;
  }
  return options;
}

void SpinFor(std::chrono::microseconds span) {
  const auto until = std::chrono::steady_clock::now() + span;
  while (std::chrono::steady_clock::now() < until) {
  }
}

std::string ReadAll(int fd) {
  std::string bytes;
  char buffer[65536];
  for (off_t at = 0;;) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
    if (got <= 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(got));
    at += got;
  }
}

std::string ReadFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {};
  std::string bytes = ReadAll(fd);
  ::close(fd);
  return bytes;
}

std::string Digits(int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%06d", number % 1000000);
  return text;
}

// Waits for the advisory lock on `fd`; false when the path no longer names
// the file that was opened (it was replaced while we waited).
bool LockSameFile(int fd, const std::string& path) {
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  if (::fcntl(fd, F_OFD_SETLKW, &lock) != 0) return false;
  struct ::stat opened {}, named {};
  return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_ino == named.st_ino;
}

int OpenForWrite(const std::string& path, const Options& options, std::chrono::microseconds hold,
                 std::chrono::steady_clock::time_point& opened) {
  for (;;) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) continue;  // between Lumo's renames there is always a file; retry
    opened = std::chrono::steady_clock::now();
    SpinFor(hold);
    if (!options.lock || LockSameFile(fd, path)) return fd;
    ::close(fd);
  }
}

// The other program's write, through a descriptor opened before the hold.
void WriteOnce(const std::string& path, const Options& options, Trial& trial, std::mt19937& random) {
  const std::chrono::microseconds hold(std::uniform_int_distribution<int>(0, options.holdMicros)(random));
  std::chrono::steady_clock::time_point opened;
  const int fd = OpenForWrite(path, options, hold, opened);
  const auto start = std::chrono::steady_clock::now() - opened;
  trial.startMicros = static_cast<int>(std::chrono::duration_cast<std::chrono::microseconds>(start).count());
  if (trial.append) {
    const std::string line = ";a=" + Digits(trial.number) + "\r\n";
    const off_t end = ::lseek(fd, 0, SEEK_END);
    [[maybe_unused]] const ssize_t n = ::pwrite(fd, line.data(), line.size(), end);
  } else {
    const std::string bytes = ReadAll(fd);
    const std::size_t at = bytes.find(kMarker);
    const std::string digits = Digits(trial.number);
    if (at != std::string::npos) {
      [[maybe_unused]] const ssize_t n =
          ::pwrite(fd, digits.data(), digits.size(), static_cast<off_t>(at + std::strlen(kMarker)));
    }
  }
  ::close(fd);
}

[[noreturn]] void RunOtherProgram(const std::string& path, const Options& options, int report, int ack) {
  // Where allowed, the writer is not descheduled in the middle of its hold
  // by other work on the machine, so that the hold is the one asked for.
  const sched_param priority{1};
  ::sched_setscheduler(0, SCHED_FIFO, &priority);
  std::mt19937 random(12345);
  for (int number = 1; number <= options.trials; ++number) {
    // Opens fall anywhere in Lumo's cycle of replacements.
    SpinFor(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 3000)(random)));
    Trial trial{number, number % 2 == 0, 0};
    WriteOnce(path, options, trial, random);
    char go = 0;
    if (::write(report, &trial, sizeof trial) != sizeof trial || ::read(ack, &go, 1) != 1) ::_exit(1);
  }
  ::_exit(0);
}

bool Landed(const std::string& path, const Trial& trial) {
  const std::string bytes = ReadFile(path);
  const std::string digits = Digits(trial.number);
  return bytes.find((trial.append ? ";a=" : kMarker) + digits) != std::string::npos;
}

// Lumo's side: a loaded collection with one change to undo and redo.
class Lumo {
 public:
  Lumo(std::string path, std::string albumKey) : path_(std::move(path)) {
    album_.cdKey = std::move(albumKey);
    Restart();
  }

  // One replacement of the file; a refusal (another program's change seen)
  // is answered as the user would: Refresh, then change again.
  void Step() {
    const bool done = undo_ ? catalogue_.Undo() : catalogue_.Redo();
    ++replacements_;
    if (!done) {
      ++refusals_;
      Restart();
      return;
    }
    undo_ = !undo_;
  }

  void Restart() {
    catalogue_.Load(path_);
    album_.text = album_.text == "Race A" ? "Race B" : "Race A";
    if (!catalogue_.WriteItemName(album_)) ++refusals_;
    undo_ = true;
  }

  long Replacements() const { return replacements_; }
  long Refusals() const { return refusals_; }

 private:
  std::string path_;
  Catalogue catalogue_;
  CatalogueItem album_{ItemKind::Album, "Race A", "", 0};
  bool undo_ = true;
  long replacements_ = 0;
  long refusals_ = 0;
};

std::string MakeCollectionFile(const std::string& folder, int albums, std::string& firstKey) {
  const std::string path = folder + "/cdplayer.ini";
  const std::string bytes = lumo::bench::MakeCollection({albums, 12, 0, 0.0, 7});
  const std::size_t open = bytes.find('[');
  firstKey = bytes.substr(open + 1, bytes.find(']', open) - open - 1);
  const std::string withMarker = std::string(kMarker) + "000000\r\n" + bytes;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  std::fwrite(withMarker.data(), 1, withMarker.size(), file);
  std::fclose(file);
  return path;
}

struct Counts {
  int trials = 0;
  int lost = 0;
  int lostAppends = 0;
  int held = 0;  // writes that really came within the hold asked for
  int lostHeld = 0;
};

Counts Race(const std::string& path, const Options& options, Lumo& lumo, int report, int ack) {
  Counts counts;
  pollfd wait{report, POLLIN, 0};
  while (counts.trials < options.trials) {
    lumo.Step();
    if (::poll(&wait, 1, 0) <= 0) continue;
    Trial trial;
    if (::read(report, &trial, sizeof trial) != sizeof trial) break;
    ++counts.trials;
    if (trial.startMicros <= options.holdMicros) ++counts.held;
    if (!Landed(path, trial)) {
      ++counts.lost;
      if (trial.append) ++counts.lostAppends;
      if (trial.startMicros <= options.holdMicros) ++counts.lostHeld;
    }
    lumo.Restart();  // whatever happened, start again from what the file holds
    if (::write(ack, "g", 1) != 1) break;
  }
  return counts;
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  std::string folder = (std::filesystem::temp_directory_path() / "lumo-race-XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) return 1;
  std::string key;
  const std::string path = MakeCollectionFile(folder, options.albums, key);
  int toParent[2], toChild[2];
  if (::pipe(toParent) != 0 || ::pipe(toChild) != 0) return 1;
  const pid_t child = ::fork();
  if (child == 0) RunOtherProgram(path, options, toParent[1], toChild[0]);
  Lumo lumo(path, key);
  const auto start = std::chrono::steady_clock::now();
  const Counts counts = Race(path, options, lumo, toParent[0], toChild[1]);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ::waitpid(child, nullptr, 0);
  std::printf("outside writes: %d (hold 0-%d us%s), lost: %d (%.2f%%; appends %d, overwrites %d)\n", counts.trials,
              options.holdMicros, options.lock ? ", other program locks" : "", counts.lost,
              counts.trials ? 100.0 * counts.lost / counts.trials : 0.0, counts.lostAppends,
              counts.lost - counts.lostAppends);
  std::printf("of them written within 0-%d us of the open: %d, lost: %d (%.2f%%); the rest waited longer\n",
              options.holdMicros, counts.held, counts.lostHeld,
              counts.held ? 100.0 * counts.lostHeld / counts.held : 0.0);
  std::printf("Lumo: %ld replacements, %ld refused, %.1f s\n", lumo.Replacements(), lumo.Refusals(), seconds);
  std::filesystem::remove_all(folder);
  return 0;
}
