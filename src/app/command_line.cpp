#include "app/command_line.h"

#include <QString>

#include <memory>
#include <ostream>
#include <utility>

#include "core/about/about_info.h"
#include "core/about/about_texts.h"
#include "core/catalogue/collection_index.h"
#include "core/ini/ini_document.h"
#include "core/collection/collection_finder.h"
#include "core/collection/search_path.h"
#include "core/platform/message_box.h"
#include "gui/platform/path_text.h"
#include "core/platform/profile.h"
#include "gui/platform/text_codec.h"
#include "core/report/file_exception.h"
#include "core/report/report_feed.h"
#include "core/report/report_target.h"
#include "core/report/report_writing.h"
#include "core/settings/settings.h"

namespace lumo {

namespace {

constexpr char kUsage[] =
    "Usage: lumo [--report FILE [--format html|csv] [--title TEXT] [--comment TEXT]] [--list]\n"
    "            [--ini CDPLAYER_INI] [--help] [--version]\n"
    "Without options, Lumo opens its window.\n"
    "  --report FILE     write a report of the collection to FILE, without a window\n"
    "  --format FORMAT   html or csv; by default csv for FILE ending in .csv, .txt or .asc, else html\n"
    "  --title TEXT      the HTML report's title (default: Output)\n"
    "  --comment TEXT    the HTML report's comment\n"
    "  --list            print the collection as tab-separated lines in UTF-8:\n"
    "                    artist, album, track number, track name\n"
    "  --ini FILE        the cdplayer.ini to read (default: the first found along the\n"
    "                    search path kept in lumo.ini)\n"
    "  --help            show this help\n"
    "  --version         show the version\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 a usage error.\n";

// Qt's own options, which it also takes with two dashes; any other word
// with two dashes is a mistyped option of ours.
bool IsQtOption(const std::string& option) {
  static const char* const kQtOptions[] = {
      "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
      "qwindowtitle", "reverse", "session", "display", "geometry", "style", "stylesheet", "widgetcount",
      "qmljsdebugger", "nograb", "dograb", "sync", "fontengine", "dialogs", "title", "name", "visual"};
  for (const char* name : kQtOptions) {
    if (option == std::string("--") + name) return true;
  }
  return false;
}

bool TakesValue(const std::string& option) {
  return option == "--report" || option == "--format" || option == "--title" || option == "--comment" ||
         option == "--ini";
}

// Stores one option's value; false for an option that is not ours.
bool Store(CommandLine& command, const std::string& option, std::string value) {
  if (option == "--report") {
    command.action = CommandLine::Action::Report;
    command.reportFile = std::move(value);
  } else if (option == "--format") {
    command.format = std::move(value);
  } else if (option == "--title") {
    command.title = std::move(value);
  } else if (option == "--comment") {
    command.comment = std::move(value);
  } else if (option == "--ini") {
    command.iniFile = std::move(value);
  } else {
    return false;
  }
  return true;
}

bool SetAction(CommandLine& command, CommandLine::Action action) {
  if (command.action != CommandLine::Action::Window && command.action != action) return false;
  command.action = action;
  return true;
}

// The checks that need the whole line.
std::string Inconsistency(const CommandLine& command) {
  using Action = CommandLine::Action;
  if (!command.format.empty() && command.format != "html" && command.format != "csv") {
    return "--format takes html or csv, not \"" + command.format + "\"";
  }
  const bool reportOptions = !command.format.empty() || command.title || command.comment;
  if (reportOptions && command.action != Action::Report) return "--format, --title and --comment go with --report";
  if (command.action == Action::Report && command.reportFile.empty()) return "--report needs a file name";
  if (!command.iniFile.empty() && command.action != Action::Report && command.action != Action::List) {
    return "--ini goes with --report or --list";
  }
  return {};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  bool ours = false;
  std::vector<std::string> strangers;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string option = arguments[i];
    std::string value;
    const std::size_t equals = option.find('=');
    const bool inlineValue = option.rfind("--", 0) == 0 && equals != std::string::npos;
    if (inlineValue) {
      value = option.substr(equals + 1);
      option.resize(equals);
    }
    if (option == "--help" || option == "--version" || option == "--list") {
      ours = true;
      const auto action = option == "--help"      ? CommandLine::Action::Help
                          : option == "--version" ? CommandLine::Action::Version
                                                  : CommandLine::Action::List;
      if (inlineValue || !SetAction(command, action)) command.usageError = "unexpected " + arguments[i];
    } else if (TakesValue(option)) {
      ours = true;
      if (!inlineValue && i + 1 == arguments.size()) {
        command.usageError = option + " needs a value";
        continue;
      }
      if (!inlineValue) value = arguments[++i];
      if (option == "--report" && command.action != CommandLine::Action::Window) {
        command.usageError = "--report cannot be combined with another command";
      }
      Store(command, option, std::move(value));
    } else {
      if (option.rfind("--", 0) == 0 && !IsQtOption(option)) ours = true;
      strangers.push_back(arguments[i]);
    }
  }
  if (!ours) return CommandLine{};  // the window, with the words left to Qt
  if (command.usageError.empty() && !strangers.empty()) command.usageError = "unknown argument " + strangers.front();
  if (command.usageError.empty() && command.action == CommandLine::Action::Window) {
    command.usageError = "nothing to do";
  }
  if (command.usageError.empty()) command.usageError = Inconsistency(command);
  return command;
}

namespace {

// Texts of the core are Windows-1252; a terminal wants the local encoding.
std::string ForTerminal(const std::string& windows1252) { return lumo::FromWindows1252(windows1252).toLocal8Bit().toStdString(); }

// One line on standard error, "lumo: ..." (message texts may span lines).
class ErrorLines {
 public:
  explicit ErrorLines(std::ostream& err) : err_(err) {
    previous_ = lumo::SetMessageBoxHandler([this](const std::string& text, lumo::MessageButtons, lumo::MessageIcon) {
      Say(ForTerminal(text));
      return lumo::kAnswerOk;
    });
  }
  ~ErrorLines() { lumo::SetMessageBoxHandler(std::move(previous_)); }
  ErrorLines(const ErrorLines&) = delete;
  ErrorLines& operator=(const ErrorLines&) = delete;

  // `text` in the local encoding; a line break at its end is dropped.
  void Say(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    for (char& c : text) {
      if (c == '\n' || c == '\r') c = ' ';
    }
    err_ << "lumo: " << text << '\n';
  }

 private:
  std::ostream& err_;
  lumo::MessageBoxHandler previous_;
};

// A bare name means a file in the current folder here, not in the profile
// folder as it would for the profile functions.
std::string AsGiven(const std::string& path) {
  return path.find(kDirectorySeparator) == std::string::npos ? std::string(".") + kDirectorySeparator + path : path;
}

// The collection: the file named, or the first along the search path that
// loads, found as the window finds it; one line on why nothing loaded.
bool LoadCollection(const CommandLine& command, const std::string& searchPath, lumo::IniDocument& document,
                    ErrorLines& errors) {
  const lumo::CandidateLoader load = [&document](const std::string& path) {
    document.SetFile(AsGiven(path));
    document.Load();
    return document.LastLoadProblem();
  };
  const lumo::SearchOutcome found =
      command.iniFile.empty() ? lumo::FindCollection(searchPath, load) : lumo::LoadOne(command.iniFile, load);
  switch (found.verdict) {
    case lumo::SearchVerdict::Loaded: return true;
    case lumo::SearchVerdict::TooLarge:
      errors.Say(found.path + ": is too large to be loaded: a cdplayer.ini of more than 1 GB is not read");
      break;
    case lumo::SearchVerdict::CannotRead: errors.Say(found.path + ": cannot be read as cdplayer.ini"); break;
    case lumo::SearchVerdict::NotFound:
      errors.Say(command.iniFile.empty()
                     ? "cdplayer.ini: not found along the search path \"" + searchPath + "\" (see --ini)"
                     : command.iniFile + ": not found");
      break;
  }
  return false;
}

bool EndsWith(const std::string& text, const char* ending) {
  const std::string folded = QString::fromLocal8Bit(text).toLower().toStdString();
  const std::string end(ending);
  return folded.size() >= end.size() && folded.compare(folded.size() - end.size(), end.size(), end) == 0;
}

bool WantsCsv(const CommandLine& command) {
  if (!command.format.empty()) return command.format == "csv";
  return EndsWith(command.reportFile, ".csv") || EndsWith(command.reportFile, ".txt") ||
         EndsWith(command.reportFile, ".asc");
}

// A title or comment as the report stores it, or nothing when Windows-1252
// cannot hold it.
std::optional<std::string> ReportText(const std::optional<std::string>& typed, const char* fallback) {
  if (!typed) return std::string(fallback);
  return lumo::ToWindows1252(QString::fromLocal8Bit(*typed));
}

int WriteReport(const CommandLine& command, const lumo::ProtectedFiles& own, const CollectionIndex& albums,
                ErrorLines& errors) {
  const std::string shownName = lumo::PathForMessage(command.reportFile);
  const std::string refusal = lumo::ReportTargetRefusal(command.reportFile, shownName, own);
  if (!refusal.empty()) {
    errors.Say(ForTerminal(refusal));
    return kExitFileError;
  }
  const auto title = ReportText(command.title, kDefaultReportTitle);
  const auto comment = ReportText(command.comment, "");
  if (!title || !comment) {
    errors.Say("the title and the comment must keep to the Western European (Windows-1252) characters");
    return kExitUsage;
  }
  const bool csv = WantsCsv(command);
  try {
    lumo::WriteCollectionReport(albums.AsWalk(), {csv, command.reportFile, *title, *comment,
                                 {TheAboutInfo().name, TheAboutInfo().version, kMakerPageUrl}});
    return kExitOk;
  } catch (const lumo::FileException& error) {
    // The writer's own words when it has them (naming the file as the
    // dialog does), else a line of ours: one line either way.
    const std::string text = lumo::ReportErrorText(error, csv, shownName);
    errors.Say(text.empty() ? command.reportFile + ": the report could not be written (check the folder and the name)"
                            : ForTerminal(text));
    return kExitFileError;
  }
}

}  // namespace

int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& err) {
  ErrorLines errors(err);
  if (!command.usageError.empty()) {
    errors.Say(command.usageError + " (see lumo --help)");
    return kExitUsage;
  }
  switch (command.action) {
    case CommandLine::Action::Help: out << kUsage; return kExitOk;
    case CommandLine::Action::Version:
      out << about_texts::kProgramName << ' ' << about_texts::kVersionLabel << '\n';
      return kExitOk;
    case CommandLine::Action::Window: return kExitUsage;
    default: break;
  }
  // The HTML report's footer names the program from the about record.
  FillProgramAboutInfo(TheAboutInfo());
  const lumo::Settings settings;
  lumo::IniDocument document;
  if (!LoadCollection(command, settings.GetOptions().searchPath, document, errors)) return kExitFileError;
  // Sections are only walked from here on.
  document.DropNameIndex();
  // Albums in the window's order without a tree: 28 bytes each.
  const CollectionIndex albums(document);
  if (albums.DuplicatesLeftOut() > 0) {
    errors.Say(std::to_string(albums.DuplicatesLeftOut()) + " duplicate album(s) left out, the first of each kept");
  }
  if (command.action == CommandLine::Action::List) {
    // Converted and written piece by piece: the listing is never held whole.
    WriteCollectionListing(albums.AsWalk(), [&out](std::string_view piece) {
      const QByteArray utf8 = lumo::FromWindows1252(std::string(piece)).toUtf8();
      out.write(utf8.constData(), utf8.size());
    });
    out << std::flush;
    if (out.good()) return kExitOk;
    errors.Say("standard output: cannot be written");
    return kExitFileError;
  }
  const lumo::ProtectedFiles own{lumo::profile::ResolvePath(document.GetFile()), settings.Path()};
  return WriteReport(command, own, albums, errors);
}

}  // namespace lumo
