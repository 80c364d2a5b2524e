#pragma once

#include <initializer_list>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// Lumo from a shell: a report, a listing, the duplicates of the collection
// or another file merged into it, without a window (and without a
// display), help and version. With none of these options Lumo opens its
// window, with the one file named (a word that is no option nor the value
// of one of Qt's), and Qt's own options are left to Qt.
struct CommandLine {
  enum class Action { Window, Report, List, Duplicates, Merge, Help, Version };
  Action action = Action::Window;
  std::string reportFile;              // file-system name, as given
  std::string format;                  // "html", "csv", "json", or empty: from the file's extension
  std::string mergeFile;               // the other cdplayer.ini of --merge, a file-system name
  std::optional<std::string> title;    // as typed, in the local encoding
  std::optional<std::string> comment;  // as typed, in the local encoding
  std::string iniFile;                 // empty: along the search path in lumo.ini
  std::string codePage;                // a supported Windows code page number; empty: lumo.ini's
  std::string openFile;                // Window: the file to open, as given; empty: none
  std::string usageError;              // set when the words do not make a command
};

// Reads the arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// A line of ours, `english` translated (context "CommandLine"), in the
// terminal's encoding, with "%1", "%2" ... replaced by `values` in one pass
// (a name holding "%2" stays as it is).
std::string Said(const char* english, std::initializer_list<std::string> values = {});

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFileError = 1;
inline constexpr int kExitUsage = 2;

// Carries out anything but Action::Window and returns the exit status.
// Output goes to `out`; every error is one line on `err` naming the file.
// Needs no QApplication and no display.
int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& err);

}  // namespace lumo
