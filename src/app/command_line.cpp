#include "app/command_line.h"

#include <initializer_list>

#include <QString>

#include <memory>
#include <ostream>
#include <utility>

#include "core/about/about_info.h"
#include "core/about/about_texts.h"
#include "core/platform/code_page.h"
#include "core/catalogue/album_section.h"
#include "core/catalogue/collection_index.h"
#include "core/edit/collection_merge.h"
#include "core/ini/ini_document.h"
#include "core/collection/collection_finder.h"
#include "core/collection/search_path.h"
#include "core/platform/message_box.h"
#include "gui/platform/message_text.h"
#include "gui/platform/path_text.h"
#include "core/platform/profile.h"
#include "gui/platform/text_codec.h"
#include "gui/platform/translation.h"
#include "core/report/file_error.h"
#include "core/report/file_exception.h"
#include "core/report/json_report.h"
#include "core/report/report_feed.h"
#include "core/report/report_target.h"
#include "core/report/report_writing.h"
#include "core/settings/settings.h"

namespace lumo {

std::string Said(const char* english, std::initializer_list<std::string> values) {
  const std::string pattern = Tr("CommandLine", english).toLocal8Bit().toStdString();
  std::string said;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t n = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
    if (pattern[i] != '%' || n >= values.size()) {
      said += pattern[i];
      continue;
    }
    said += *(values.begin() + n);
    ++i;
  }
  return said;
}

namespace {

constexpr char kUsage[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage: lumo [FILE]\n"
    "       lumo [--report FILE [--format html|csv|json] [--title TEXT] [--comment TEXT]] [--list]\n"
    "            [--duplicates] [--merge OTHER] [--ini CDPLAYER_INI] [--codepage N] [--help] [--version]\n"
    "Without options, Lumo opens its window on FILE, or else on the first cdplayer.ini\n"
    "found along the search path. When Lumo runs already, its window opens FILE and\n"
    "comes to the front.\n"
    "  --report FILE     write a report of the collection to FILE, without a window\n"
    "  --format FORMAT   html, csv or json; by default csv for FILE ending in .csv, .txt or .asc,\n"
    "                    json for .json, else html\n"
    "  --title TEXT      the HTML report's title (default: Output)\n"
    "  --comment TEXT    the HTML report's comment\n"
    "  --list            print the collection as tab-separated lines in UTF-8:\n"
    "                    artist, album, track number, track name\n"
    "  --duplicates      print each album left out as a duplicate as tab-separated lines in UTF-8:\n"
    "                    the CD key kept, the CD key left out, artist, title\n"
    "  --merge OTHER     add to the collection every section of the cdplayer.ini OTHER whose\n"
    "                    CD key it lacks; sections it has stay as they are and are listed\n"
    "  --ini FILE        the cdplayer.ini to read (default: the first found along the\n"
    "                    search path kept in lumo.ini)\n"
    "  --codepage N      the Windows code page the collection's names are in, such as 1251\n"
    "                    or 932 (default: the one chosen in the Options, else 1252)\n"
    "  --help            show this help\n"
    "  --version         show the version\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 a usage error.\n");

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

// Qt's options that take the next word as their value, with one dash or two.
bool IsQtOptionWithValue(const std::string& word) {
  static const char* const kWithValue[] = {
      "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
      "session", "display", "geometry", "style", "stylesheet", "title", "name", "dialogs", "fontengine"};
  if (word.empty() || word[0] != '-' || word.find('=') != std::string::npos) return false;
  const std::string name = word.substr(word.rfind("--", 0) == 0 ? 2 : 1);
  for (const char* option : kWithValue) {
    if (name == option) return true;
  }
  return false;
}

bool TakesValue(const std::string& option) {
  return option == "--report" || option == "--format" || option == "--title" || option == "--comment" ||
         option == "--ini" || option == "--merge" || option == "--codepage";
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
  } else if (option == "--merge") {
    command.action = CommandLine::Action::Merge;
    command.mergeFile = std::move(value);
  } else if (option == "--codepage") {
    command.codePage = std::move(value);
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

bool IsSupportedCodePage(const std::string& number) {
  if (number.empty() || number.size() > 5 || number.find_first_not_of("0123456789") != std::string::npos) return false;
  return lumo::FindCodePage(std::stoi(number)) != nullptr;
}

// The checks that need the whole line.
std::string Inconsistency(const CommandLine& command) {
  using Action = CommandLine::Action;
  if (!command.codePage.empty() && !IsSupportedCodePage(command.codePage)) {
    return Said(QT_TRANSLATE_NOOP("CommandLine", "--codepage takes one of %1, not \"%2\""),
                {lumo::SupportedCodePageList(), command.codePage});
  }
  if (!command.codePage.empty() && (command.action == Action::Help || command.action == Action::Version)) {
    return Said(QT_TRANSLATE_NOOP("CommandLine", "--codepage goes with --report, --list, --duplicates or --merge"));
  }
  if (!command.format.empty() && command.format != "html" && command.format != "csv" && command.format != "json") {
    return Said(QT_TRANSLATE_NOOP("CommandLine", "--format takes html, csv or json, not \"%1\""), {command.format});
  }
  const bool reportOptions = !command.format.empty() || command.title || command.comment;
  if (reportOptions && command.action != Action::Report) return Said(QT_TRANSLATE_NOOP("CommandLine", "--format, --title and --comment go with --report"));
  if (command.action == Action::Report && command.reportFile.empty()) return Said(QT_TRANSLATE_NOOP("CommandLine", "--report needs a file name"));
  if (command.action == Action::Merge && command.mergeFile.empty()) return Said(QT_TRANSLATE_NOOP("CommandLine", "--merge needs a file name"));
  if (!command.iniFile.empty() && (command.action == Action::Help || command.action == Action::Version)) {
    return Said(QT_TRANSLATE_NOOP("CommandLine", "--ini goes with --report, --list, --duplicates or --merge"));
  }
  return {};
}

// What the words came to, once all are read: the window with at most one
// file and Qt's words, or one of our commands, or a usage error.
CommandLine Concluded(CommandLine command, bool ours, const std::vector<std::string>& strangers,
                      const std::vector<std::string>& files) {
  if (files.size() > 1) {
    command.usageError =
        Said(QT_TRANSLATE_NOOP("CommandLine", "one file at a time: %1 and %2 were named"), {files[0], files[1]});
    return command;
  }
  if (!ours) {  // the window, with Qt's words left to Qt
    CommandLine window;
    if (!files.empty()) window.openFile = files.front();
    return window;
  }
  if (command.usageError.empty() && !files.empty()) {
    command.usageError = Said(QT_TRANSLATE_NOOP("CommandLine", "the collection goes with --ini, not as %1"), {files.front()});
  }
  if (command.usageError.empty() && !strangers.empty()) command.usageError = Said(QT_TRANSLATE_NOOP("CommandLine", "unknown argument %1"), {strangers.front()});
  if (command.usageError.empty() && command.action == CommandLine::Action::Window) {
    command.usageError = Said(QT_TRANSLATE_NOOP("CommandLine", "nothing to do"));
  }
  if (command.usageError.empty()) command.usageError = Inconsistency(command);
  return command;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine command;
  bool ours = false;
  bool optionsEnded = false;  // after "--", every word is a file
  std::vector<std::string> strangers;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string option = arguments[i];
    if (optionsEnded || option.empty() || option[0] != '-' || option == "-") {
      files.push_back(option);
      continue;
    }
    if (option == "--") {
      optionsEnded = true;
      continue;
    }
    std::string value;
    const std::size_t equals = option.find('=');
    const bool inlineValue = option.rfind("--", 0) == 0 && equals != std::string::npos;
    if (inlineValue) {
      value = option.substr(equals + 1);
      option.resize(equals);
    }
    if (option == "--help" || option == "--version" || option == "--list" || option == "--duplicates") {
      ours = true;
      const auto action = option == "--help"      ? CommandLine::Action::Help
                          : option == "--version" ? CommandLine::Action::Version
                          : option == "--list"    ? CommandLine::Action::List
                                                  : CommandLine::Action::Duplicates;
      if (inlineValue || !SetAction(command, action)) command.usageError = Said(QT_TRANSLATE_NOOP("CommandLine", "unexpected %1"), {arguments[i]});
    } else if (TakesValue(option)) {
      ours = true;
      if (!inlineValue && i + 1 == arguments.size()) {
        command.usageError = Said(QT_TRANSLATE_NOOP("CommandLine", "%1 needs a value"), {option});
        continue;
      }
      if (!inlineValue) value = arguments[++i];
      if ((option == "--report" || option == "--merge") && command.action != CommandLine::Action::Window) {
        command.usageError = Said(QT_TRANSLATE_NOOP("CommandLine", "%1 cannot be combined with another command"), {option});
      }
      Store(command, option, std::move(value));
    } else {
      if (option.rfind("--", 0) == 0 && !IsQtOption(option)) ours = true;
      strangers.push_back(arguments[i]);
      if (IsQtOptionWithValue(option) && i + 1 < arguments.size()) strangers.push_back(arguments[++i]);
    }
  }
  return Concluded(std::move(command), ours, strangers, files);
}

namespace {

// Messages are UTF-8; a terminal wants the local encoding.
std::string ForTerminal(const std::string& utf8) { return QString::fromStdString(utf8).toLocal8Bit().toStdString(); }

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

// The finder's loader, for names as a shell gives them.
lumo::CandidateLoader LoaderFromShell(lumo::IniDocument& document) {
  return [load = lumo::LoaderInto(document)](const std::string& path) { return load(AsGiven(path)); };
}

// One line on why `found` did not load; true when it did.
bool Loaded(const lumo::SearchOutcome& found, const std::string& notFound, ErrorLines& errors) {
  switch (found.verdict) {
    case lumo::SearchVerdict::Loaded: return true;
    case lumo::SearchVerdict::TooLarge:
      errors.Say(found.path + Said(QT_TRANSLATE_NOOP("CommandLine", ": is too large to be loaded: a cdplayer.ini of more than 1 GB is not read")));
      break;
    case lumo::SearchVerdict::CannotRead: errors.Say(found.path + Said(QT_TRANSLATE_NOOP("CommandLine", ": cannot be read as cdplayer.ini"))); break;
    case lumo::SearchVerdict::NotFound: errors.Say(notFound); break;
  }
  return false;
}

// The collection: the file named, or the first along the search path that
// loads, found as the window finds it; one line on why nothing loaded.
bool LoadCollection(const CommandLine& command, const std::string& searchPath, lumo::IniDocument& document,
                    ErrorLines& errors) {
  if (!command.iniFile.empty()) {
    return Loaded(lumo::LoadOne(command.iniFile, LoaderFromShell(document)), command.iniFile + Said(QT_TRANSLATE_NOOP("CommandLine", ": not found")), errors);
  }
  return Loaded(lumo::FindCollection(searchPath, LoaderFromShell(document)),
                Said(QT_TRANSLATE_NOOP("CommandLine", "cdplayer.ini: not found along the search path \"%1\" (see --ini)"), {searchPath}), errors);
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

bool WantsJson(const CommandLine& command) {
  return command.format.empty() ? EndsWith(command.reportFile, ".json") : command.format == "json";
}

// A name from the collection for a terminal or a pipe: UTF-8.
std::string Utf8(std::string_view name) { return lumo::CollectionCodePage().ToUtf8(name); }

// A title or comment as the report stores it, or nothing when Windows-1252
// cannot hold it.
std::optional<std::string> ReportText(const std::optional<std::string>& typed, const char* fallback) {
  if (!typed) return std::string(fallback);
  return lumo::ToWindows1252(QString::fromLocal8Bit(*typed));
}

int WriteJson(const std::string& path, const std::string& shownName, const CollectionIndex& albums,
              ErrorLines& errors) {
  try {
    lumo::WriteJsonReport(albums.AsRecordWalk(), path);
    return kExitOk;
  } catch (const lumo::FileException& error) {
    errors.Say(ForTerminal(lumo::FileErrorText(error.Cause(), shownName)));
    return kExitFileError;
  }
}

// One line per album left out, as the load leaves it out.
int PrintDuplicates(const lumo::IniDocument& document, std::ostream& out, ErrorLines& errors) {
  const auto line = [&](lumo::IniDocument::Position kept, lumo::IniDocument::Position leftOut) {
    const lumo::IniSection& copy = *document.SectionAt(leftOut);
    out << Utf8(document.SectionAt(kept)->Name()) << '\t' << Utf8(copy.Name()) << '\t'
        << Utf8(copy.GetString("artist", "")) << '\t' << Utf8(copy.GetString("title", lumo::kUnknownName)) << '\n';
  };
  const CollectionIndex albums(document, {}, {}, line);
  out << std::flush;
  if (out.good()) return kExitOk;
  errors.Say(Said(QT_TRANSLATE_NOOP("CommandLine", "standard output: cannot be written")));
  return kExitFileError;
}

// "key: artist - title" of one side of a kept section.
std::string Side(const std::string& artist, const std::string& title) { return Utf8(artist) + " - " + Utf8(title); }

// Adds the other file's new sections to the collection, as the window's
// Import does, and says what was added and what was kept.
int Merge(const CommandLine& command, const std::string& searchPath, std::ostream& out, ErrorLines& errors) {
  lumo::IniDocument collection;
  if (!LoadCollection(command, searchPath, collection, errors)) return kExitFileError;
  lumo::IniDocument other;
  if (!Loaded(lumo::LoadOne(command.mergeFile, LoaderFromShell(other)), command.mergeFile + Said(QT_TRANSLATE_NOOP("CommandLine", ": not found")), errors)) {
    return kExitFileError;
  }
  const lumo::Message refusal = lumo::ImportRefusal(collection, other);
  if (refusal.Failed()) {
    errors.Say(command.mergeFile + ": " + ForTerminal(lumo::MessageText(refusal)));
    return kExitFileError;
  }
  lumo::MergePlan plan = lumo::PlanMerge(collection, other);
  // No undo here: the file is replaced, and the document not read again.
  if (plan.added > 0) {
    const lumo::Message failure = collection.ReplaceFileWith(std::move(plan.text));
    if (failure.Failed()) {
      errors.Say(collection.GetFile() + ": " + ForTerminal(lumo::MessageText(failure)));
      return kExitFileError;
    }
  }
  out << Said(QT_TRANSLATE_NOOP("CommandLine", "%1 section(s) added"), {std::to_string(plan.added)}) << '\n';
  for (const lumo::KeptSection& kept : plan.kept) {
    out << Said(QT_TRANSLATE_NOOP("CommandLine", "kept %1: %2 (the other file has %3)"),
                {Utf8(kept.cdKey), Side(kept.ourArtist, kept.ourTitle), Side(kept.theirArtist, kept.theirTitle)})
        << '\n';
  }
  out << std::flush;
  return kExitOk;
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
    errors.Say(Said(QT_TRANSLATE_NOOP("CommandLine", "the title and the comment must keep to the Western European (Windows-1252) characters")));
    return kExitUsage;
  }
  if (WantsJson(command)) return WriteJson(command.reportFile, shownName, albums, errors);
  const bool csv = WantsCsv(command);
  try {
    lumo::WriteCollectionReport(albums.AsWalk(), {csv, command.reportFile, *title, *comment,
                                 {TheAboutInfo().name, TheAboutInfo().version, kMakerPageUrl}});
    return kExitOk;
  } catch (const lumo::FileException& error) {
    // The writer's own words when it has them (naming the file as the
    // dialog does), else a line of ours: one line either way.
    const std::string text = lumo::ReportErrorText(error, csv, shownName);
    errors.Say(text.empty() ? command.reportFile + Said(QT_TRANSLATE_NOOP("CommandLine", ": the report could not be written (check the folder and the name)"))
                            : ForTerminal(text));
    return kExitFileError;
  }
}

}  // namespace

int RunCommandLine(const CommandLine& command, std::ostream& out, std::ostream& err) {
  ErrorLines errors(err);
  if (!command.usageError.empty()) {
    errors.Say(command.usageError + Said(QT_TRANSLATE_NOOP("CommandLine", " (see lumo --help)")));
    return kExitUsage;
  }
  switch (command.action) {
    case CommandLine::Action::Help: out << Said(kUsage); return kExitOk;
    case CommandLine::Action::Version:
      out << about_texts::kProgramName << ' ' << about_texts::kVersionLabel << '\n';
      return kExitOk;
    case CommandLine::Action::Window: return kExitUsage;
    default: break;
  }
  // The HTML report's footer names the program from the about record.
  FillProgramAboutInfo(TheAboutInfo());
  const lumo::Settings settings;
  lumo::UseCollectionCodePage(command.codePage.empty() ? settings.GetOptions().codePage : std::stoi(command.codePage));
  if (command.action == CommandLine::Action::Merge) return Merge(command, settings.GetOptions().searchPath, out, errors);
  lumo::IniDocument document;
  if (!LoadCollection(command, settings.GetOptions().searchPath, document, errors)) return kExitFileError;
  // Sections are only walked from here on.
  document.DropNameIndex();
  if (command.action == CommandLine::Action::Duplicates) return PrintDuplicates(document, out, errors);
  // Albums in the window's order without a tree: 28 bytes each.
  const CollectionIndex albums(document);
  if (albums.DuplicatesLeftOut() > 0) {
    errors.Say(Said(QT_TRANSLATE_NOOP("CommandLine", "%1 duplicate album(s) left out, the first of each kept"), {std::to_string(albums.DuplicatesLeftOut())}));
  }
  if (command.action == CommandLine::Action::List) {
    // Converted and written piece by piece: the listing is never held whole.
    WriteCollectionListing(albums.AsWalk(), [&out](std::string_view piece) {
      const std::string utf8 = Utf8(piece);
      out.write(utf8.data(), static_cast<std::streamsize>(utf8.size()));
    });
    out << std::flush;
    if (out.good()) return kExitOk;
    errors.Say(Said(QT_TRANSLATE_NOOP("CommandLine", "standard output: cannot be written")));
    return kExitFileError;
  }
  const lumo::ProtectedFiles own{lumo::profile::ResolvePath(document.GetFile()), settings.Path()};
  return WriteReport(command, own, albums, errors);
}

}  // namespace lumo
