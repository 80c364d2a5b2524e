#include <gtest/gtest.h>

#include <unistd.h>

#include <QProcess>
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
TEST_F(LumoFromAShell, OutputsOfATrickyFileMatchTheirGoldenFiles) {
  const QString ini = QStringLiteral(LUMO_APP_GOLDEN "/tricky.ini");
  const std::vector<std::tuple<QStringList, const char*, const char*>> cases = {
      {{"--list"}, nullptr, "tricky.list"},
      {{"--report", "r.csv"}, "r.csv", "tricky.csv"},
      {{"--report", "r.html", "--title", "Tricky \"one\"", "--comment", "<b>&</b>"}, "r.html", "tricky.html"},
  };
  for (const auto& [arguments, written, golden] : cases) {
    ASSERT_EQ(Run(arguments + QStringList{"--ini", ini}), kExitOk) << err;
    EXPECT_EQ(written ? ReadBytes(dir.File(written)) : out, ReadBytes(std::string(LUMO_APP_GOLDEN "/") + golden)) << golden;
  }
}

TEST_F(LumoFromAShell, ExitStatusesAndOneLineErrorsNamingTheFile) {
  EXPECT_EQ(Run({"--version"}), kExitOk);
  EXPECT_EQ(out, "Lumo v2.0 Beta2\n");
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out.find("--report FILE"), std::string::npos);

  EXPECT_EQ(Run({"--report", "r.html", "--format", "pdf"}), kExitUsage);
  EXPECT_EQ(err, "lumo: --format takes html or csv, not \"pdf\" (see lumo --help)\n");
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
