#include <gtest/gtest.h>

#include <unistd.h>

#include <QProcess>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcessEnvironment>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "core/about/about_info.h"
#include "core/about/about_texts.h"
#include "app/command_line.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/tree_test_util.h"
#include "gui/tree/tree_model.h"
#include "core/collection/catalogue.h"
#include "core/report/csv_report.h"
#include "core/report/html_report.h"
#include "core/report/report_feed.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using Action = CommandLine::Action;
using lumo::test::ReadBytes;
using lumo::test::TempDir;
using lumo::test::WriteBytes;

// Two Beatles albums out of file order, a duplicate, an accented artist.
constexpr char kCollection[] =
    "[a1]\r\nartist=Beatles\r\ntitle=Revolver\r\nnumtracks=2\r\n0=Taxman\r\n1=Eleanor Rigby\r\n"
    "[a2]\r\nartist=Bj\xF6rk\r\ntitle=Debut\r\nnumtracks=1\r\n0=Human Behaviour\r\n"
    "[a3]\r\nartist=Beatles\r\ntitle=Abbey Road\r\n"
    "[a4]\r\nartist=Beatles\r\ntitle=Revolver\r\nnumtracks=1\r\n0=Copy\r\n";

TEST(ParseCommandLine, TellsCommandsFromUsageErrorsAndLeavesTheRestToTheWindow) {
  struct Case {
    std::vector<std::string> words;
    Action action;
    bool error;
  } cases[] = {
      {{}, Action::Window, false},
      {{"-platform", "offscreen"}, Action::Window, false},  // Qt's
      {{"--platform", "offscreen"}, Action::Window, false},  // Qt's, with two dashes
      {{"--lsit"}, Action::Window, true},                    // mistyped: not the window
      {{"--help"}, Action::Help, false},
      {{"--version"}, Action::Version, false},
      {{"--list", "--ini", "x.ini"}, Action::List, false},
      {{"--report", "r.html", "--format=csv", "--title", "T", "--comment", "C"}, Action::Report, false},
      {{"--report"}, Action::Window, true},
      {{"--report", "r.html", "--format", "pdf"}, Action::Report, true},
      {{"--report", "r.html", "--list"}, Action::Report, true},
      {{"--list", "--title", "T"}, Action::List, true},
      {{"--list", "stray"}, Action::List, true},
      {{"--ini", "x.ini"}, Action::Window, true},
      {{"--help=yes"}, Action::Window, true},
      {{"a.ini", "b.ini"}, Action::Window, true},  // one file at a time
      {{"--list", "a.ini"}, Action::List, true},   // the file goes with --ini
      {{"--duplicates", "--ini", "x.ini"}, Action::Duplicates, false},
      {{"--merge", "o.ini", "--ini", "x.ini"}, Action::Merge, false},
      {{"--merge", "o.ini", "--list"}, Action::Merge, true},
      {{"--report", "r.json", "--format", "json"}, Action::Report, false},
  };
  for (const Case& c : cases) {
    const CommandLine command = ParseCommandLine(c.words);
    const std::string words = c.words.empty() ? "(none)" : c.words.front();
    EXPECT_EQ(command.action, c.action) << words;
    EXPECT_EQ(!command.usageError.empty(), c.error) << words << ": " << command.usageError;
  }
  const CommandLine report = ParseCommandLine({"--report", "r.csv", "--title=A=B", "--ini", "c.ini"});
  EXPECT_EQ(report.reportFile, "r.csv");
  EXPECT_EQ(report.title.value_or("?"), "A=B");
  EXPECT_EQ(report.iniFile, "c.ini");
  // The one file to open is no option, nor the value of one of Qt's.
  EXPECT_EQ(ParseCommandLine({"-style", "fusion", "d\xE9j\xE0.ini"}).openFile, "d\xE9j\xE0.ini");
  EXPECT_EQ(ParseCommandLine({"--", "-x.ini"}).openFile, "-x.ini");
}

// The real program, with no display and settings of its own.
class LumoFromAShell : public testing::Test {
 protected:
  LumoFromAShell() {
    WriteBytes(dir.File("cdplayer.ini"), kCollection);
    std::filesystem::create_directories(dir.File("config/lumo"));
    WriteBytes(dir.File("config/lumo/lumo.ini"), "[options]\r\npath=" + dir.File("nothing") + ";" + dir.Path() + "\r\n");
  }

  int Run(const QStringList& arguments) {
    QProcess lumo;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("DISPLAY"), QString());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir.File("config")));
    lumo.setProcessEnvironment(environment);
    lumo.setWorkingDirectory(QString::fromStdString(dir.Path()));
    lumo.start(QStringLiteral(LUMO_EXECUTABLE), arguments);
    EXPECT_TRUE(lumo.waitForFinished(30000));
    out = lumo.readAllStandardOutput().toStdString();
    err = lumo.readAllStandardError().toStdString();
    return lumo.exitStatus() == QProcess::NormalExit ? lumo.exitCode() : -1;
  }

  // What the report dialog writes for the same file: the window's tree
  // after a load (duplicates answered Ok, albums sorted) fed to the writer.
  std::string DialogReport(LumoReportBase& writer) {
    LumoTreeCtrl tree;
    Catalogue catalogue;
    catalogue.Load(dir.File("cdplayer.ini"));
    lumo::test::BuildInto(catalogue, tree, false);  // as if the question were answered Ok
    tree.ApplyDisplayLevel(DisplayLevel::Artist, true);
    FeedReport(*tree.Model()->Root(), writer);
    writer.WriteReport(dir.File("dialog.out"), "My discs \xE9t\xE9", "");
    return ReadBytes(dir.File("dialog.out"));
  }

  TempDir dir;
  std::string out, err;
};

TEST_F(LumoFromAShell, ReportsAreTheBytesTheDialogWrites) {
  EXPECT_EQ(Run({"--report", "r.html", "--title", QStringLiteral("My discs été")}), kExitOk) << err;
  EXPECT_EQ(err, "lumo: 1 duplicate album(s) left out, the first of each kept\n");
  FillProgramAboutInfo(TheAboutInfo());  // as the main window does
  LumoHtml html({TheAboutInfo().name, TheAboutInfo().version, kMakerPageUrl});
  EXPECT_EQ(ReadBytes(dir.File("r.html")), DialogReport(html));

  EXPECT_EQ(Run({"--report", "r.txt", "--ini", "cdplayer.ini"}), kExitOk) << err;  // CSV by its extension
  LumoCsv csv;
  EXPECT_EQ(ReadBytes(dir.File("r.txt")), DialogReport(csv));
}

TEST_F(LumoFromAShell, ListsInTreeOrderInUtf8) {
  ASSERT_EQ(Run({"--list"}), kExitOk) << err;
  EXPECT_EQ(out,
            "Beatles\tAbbey Road\t\t\n"
            "Beatles\tRevolver\t1\tTaxman\n"
            "Beatles\tRevolver\t2\tEleanor Rigby\n"
            "Bj\xC3\xB6rk\tDebut\t1\tHuman Behaviour\n");
}

// A file of oddities (tracks without names, a header twice, keys out of
// order, duplicates, quotes and markup, accents, a Ctrl-Z) lists and reports
// byte for byte as it did before outputs were written as they come.
// Collections of other code pages come out in UTF-8: Russian names with
// quotes and markup, Japanese ones full of second bytes that look like '\'
// and '[' and one name with bytes that are no character.
TEST_F(LumoFromAShell, OutputsOfATrickyFileMatchTheirGoldenFiles) {
  const std::vector<std::tuple<QStringList, const char*, const char*>> cases = {
      {{"tricky.ini", "--list"}, nullptr, "tricky.list"},
      {{"tricky.ini", "--report", "r.csv"}, "r.csv", "tricky.csv"},
      {{"tricky.ini", "--report", "r.html", "--title", "Tricky \"one\"", "--comment", "<b>&</b>"}, "r.html", "tricky.html"},
      {{"cyrillic.ini", "--codepage", "1251", "--list"}, nullptr, "cyrillic.list"},
      {{"cyrillic.ini", "--codepage", "1251", "--report", "r.csv"}, "r.csv", "cyrillic.csv"},
      {{"cyrillic.ini", "--codepage", "1251", "--report", "r.html", "--title", "Été"}, "r.html", "cyrillic.html"},
      {{"japanese.ini", "--codepage", "932", "--list"}, nullptr, "japanese.list"},
      {{"japanese.ini", "--codepage", "932", "--report", "r.json"}, "r.json", "japanese.json"},
  };
  for (auto [arguments, written, golden] : cases) {
    arguments.front() = QStringLiteral(LUMO_APP_GOLDEN "/") + arguments.front();
    arguments.push_front(QStringLiteral("--ini"));
    ASSERT_EQ(Run(arguments), kExitOk) << err;
    EXPECT_EQ(written ? ReadBytes(dir.File(written)) : out, ReadBytes(std::string(LUMO_APP_GOLDEN "/") + golden)) << golden;
  }
}

TEST_F(LumoFromAShell, ExitStatusesAndOneLineErrorsNamingTheFile) {
  EXPECT_EQ(Run({"--version"}), kExitOk);
  EXPECT_EQ(out, "Lumo v2.0 Beta2\n");
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out.find("--report FILE"), std::string::npos);

  EXPECT_EQ(Run({"--report", "r.html", "--format", "pdf"}), kExitUsage);
  EXPECT_EQ(err, "lumo: --format takes html, csv or json, not \"pdf\" (see lumo --help)\n");
  EXPECT_EQ(Run({"--list", "--codepage", "1252x"}), kExitUsage);
  EXPECT_EQ(err.rfind("lumo: --codepage takes one of 1252, ", 0), 0u) << err;
  EXPECT_NE(err.find(" 932, 936, 949, 950, not \"1252x\" (see lumo --help)\n"), std::string::npos) << err;
  EXPECT_EQ(Run({"--list", "--ini", "missing.ini"}), kExitFileError);
  EXPECT_EQ(err, "lumo: missing.ini: not found\n");

  EXPECT_EQ(Run({"--report", "cdplayer.ini"}), kExitFileError);  // never over the collection
  EXPECT_NE(err.find("lumo: A report cannot replace the loaded cdplayer.ini: "), std::string::npos) << err;
  EXPECT_EQ(ReadBytes(dir.File("cdplayer.ini")), kCollection);
  EXPECT_EQ(Run({"--report", dir.File("no/such/folder/r.html").c_str()}), kExitFileError);
  // The note on the duplicate, then the error: one line each.
  const std::string error = err.substr(err.find('\n') + 1);
  EXPECT_EQ(error.rfind("lumo: " + dir.File("no/such/folder/r.html") + ": ", 0), 0u) << err;
  EXPECT_EQ(error.find('\n'), error.size() - 1) << err;
  // A CSV report's error names the file as it is spelled: its accents once
  // came out garbled. In one line: it once took two.
  const std::string accented = dir.File("no/such/B\xC3\xBC" "cher.csv");
  EXPECT_EQ(Run({"--report", accented.c_str()}), kExitFileError);
  EXPECT_EQ(err.substr(err.find('\n') + 1),
            "lumo: Unable to open " + accented + " for writing. " + accented + " contains an invalid path.\n");
}

// JSON read back by Qt's parser: names with quotes, backslashes, control
// characters and accented letters, a missing title and a track without a name.
TEST_F(LumoFromAShell, JsonReportsReadBackAsTheTreeShowsThem) {
  WriteBytes(dir.File("odd.ini"),
             "[k1]\r\nartist=Caf\xE9 \"Q\"\r\nnumtracks=2\r\n1=back\\slash\x01\ttab\r\n"
             "[k2]\r\nartist=Caf\xE9 \"Q\"\r\ntitle=\x80uro\r\n");
  ASSERT_EQ(Run({"--report", "r.json", "--ini", "odd.ini"}), kExitOk) << err;
  QJsonParseError error{};
  const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(ReadBytes(dir.File("r.json"))), &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  const QJsonArray artists = json.object()[QStringLiteral("artists")].toArray();
  ASSERT_EQ(artists.size(), 1);
  EXPECT_EQ(artists[0][QStringLiteral("name")].toString(), QStringLiteral("Café \"Q\""));
  const QJsonArray albums = artists[0][QStringLiteral("albums")].toArray();
  ASSERT_EQ(albums.size(), 2);
  // "<UNKNOWN>" sorts before the euro sign, as the tree shows them.
  EXPECT_EQ(albums[0][QStringLiteral("cdKey")].toString(), QStringLiteral("k1"));
  EXPECT_TRUE(albums[0][QStringLiteral("title")].isNull());
  EXPECT_EQ(albums[1][QStringLiteral("title")].toString(), QStringLiteral("€uro"));
  const QJsonArray tracks = albums[0][QStringLiteral("tracks")].toArray();
  ASSERT_EQ(tracks.size(), 2);
  EXPECT_TRUE(tracks[0].isNull());
  EXPECT_EQ(tracks[1].toString(), QStringLiteral("back\\slash\x01\ttab"));
}

// --duplicates names the copies the load leaves out; --merge adds what is
// new, keeps what is there, says so, and leaves every byte it had.
TEST_F(LumoFromAShell, DuplicatesAndMergeFromTheCommandLine) {
  ASSERT_EQ(Run({"--duplicates"}), kExitOk) << err;
  EXPECT_EQ(out, "a1\ta4\tBeatles\tRevolver\n");
  WriteBytes(dir.File("other.ini"), "[A1]\nartist=Else\ntitle=T\n[b1]\nartist=New\n");
  ASSERT_EQ(Run({"--merge", "other.ini"}), kExitOk) << err;
  EXPECT_EQ(out, "1 section(s) added\nkept a1: Beatles - Revolver (the other file has Else - T)\n");
  EXPECT_EQ(ReadBytes(dir.File("cdplayer.ini")), std::string(kCollection) + "[b1]\r\nartist=New\r\n");
  EXPECT_EQ(Run({"--merge", "cdplayer.ini"}), kExitFileError);
  EXPECT_EQ(err, "lumo: cdplayer.ini: It is the collection already loaded.\n");
  WriteBytes(dir.File("nul.ini"), std::string("[c1]\nartist=\0x\n", 15));
  EXPECT_EQ(Run({"--merge", "nul.ini"}), kExitFileError);
  EXPECT_EQ(err, "lumo: nul.ini: It holds NUL bytes: it is not a cdplayer.ini.\n");
  EXPECT_EQ(Run({"--merge", "missing.ini"}), kExitFileError);
  EXPECT_EQ(ReadBytes(dir.File("cdplayer.ini")), std::string(kCollection) + "[b1]\r\nartist=New\r\n");
}

// A collection too large to load is called so along the search path too, as
// the window calls it, not "not found".
TEST_F(LumoFromAShell, ATooLargeCollectionAlongThePathIsCalledTooLarge) {
  std::filesystem::create_directories(dir.File("nothing"));
  const std::string huge = dir.File("nothing/cdplayer.ini");
  WriteBytes(huge, "");
  ASSERT_EQ(::truncate(huge.c_str(), (off_t{1} << 30) + 1), 0);  // sparse: no disk used
  WriteBytes(dir.File("config/lumo/lumo.ini"), "[options]\r\npath=" + dir.File("nothing") + "\r\n");
  EXPECT_EQ(Run({"--list"}), kExitFileError);
  EXPECT_EQ(err, "lumo: " + huge + ": is too large to be loaded: a cdplayer.ini of more than 1 GB is not read\n");
}

}  // namespace
