#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

#include "fake_program.h"
#include "core/report/file_error.h"
#include "report_dialog_fixture.h"

namespace lumo::test {
namespace {

using namespace std::chrono_literals;

constexpr char kGenerated[] = "Report generated Ok";
constexpr char kFailed[] =
    "Failed to generate report.\nPossible causes are an incorrect filename, or the file "
    "specified may be in use by another application";

// Lets files grow to `bytes` at most while it lives (writes past it fail
// with EFBIG instead of raising SIGXFSZ); the hard limit is left alone so
// the old soft limit can come back.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) : oldSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit old_{};
  void (*oldSignal_)(int);
};

class ReportOutputTest : public ReportDialogTest {
 protected:
  // Two artists, the first with a two-track album and an empty album, the
  // second without albums. Labels differ from the records' texts, as in the
  // main window, and nothing is expanded.
  void FillTree() {
    TreeItem* abba = tree.InsertItemWithData({ItemKind::Artist, "Abba & \"Co\"", "", 0}, nullptr,
                                             InsertAt::Last);
    TreeItem* gold = tree.InsertItemWithData({ItemKind::Album, "Gold <1992>", "a1", 0}, abba,
                                             InsertAt::Last);
    tree.SetItemText(gold, "Gold <1992> [a1]");
    for (int16_t t : {0, 1}) {
      TreeItem* track = tree.InsertItemWithData(
          {ItemKind::Track, t == 0 ? "Dancing Queen" : "100% Take a Chance", "a1", t}, gold,
          InsertAt::Last);
      tree.SetItemText(track, " " + std::to_string(t + 1) + ". label");
    }
    tree.InsertItemWithData({ItemKind::Album, "Empty", "a2", 0}, abba, InsertAt::Last);
    tree.InsertItemWithData({ItemKind::Artist, "Zappa", "", 0}, nullptr, InsertAt::Last);
  }

  void Generate(const std::string& path) {
    TypeName(QString::fromStdString(path));
    Click(Dlg::kReport);
  }

  void ExpectMessages(const std::vector<std::pair<std::string, MessageIcon>>& expected) {
    ASSERT_EQ(messages.Messages().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(messages.Messages()[i].text, expected[i].first) << i;
      EXPECT_EQ(messages.Messages()[i].icon, expected[i].second) << i;
    }
  }
};

// Record texts, never tree labels, and tracks numbered from 1.
TEST_F(ReportOutputTest, GeneratesTheTreeAsHtmlWithTracksNumberedFromOne) {
  FillTree();
  Open();
  Edit(Dlg::kTitle)->setText("My <Title>");
  Edit(Dlg::kComment)->setText(QString::fromUtf8("caf\u00e9"));
  Generate(dir.File("out.html"));
  ExpectMessages({{kGenerated, MessageIcon::Information}});
  EXPECT_EQ(ReadBytes(dir.File("out.html")), ReadBytes(LUMO_REPORT_GOLDEN "/tree.html"));
}

TEST_F(ReportOutputTest, GeneratesTheTreeAsCsv) {
  FillTree();
  Open();
  Click(Dlg::kCsv);
  Generate(dir.File("out.csv"));
  ExpectMessages({{kGenerated, MessageIcon::Information}});
  EXPECT_EQ(ReadBytes(dir.File("out.csv")), ReadBytes(LUMO_REPORT_GOLDEN "/tree.csv"));
}

TEST_F(ReportOutputTest, ReportsFailuresAndEmptyCollections) {
  Open();
  Generate(dir.File("empty.html"));  // an empty collection is no HTML report
  ExpectMessages({{kFailed, MessageIcon::Warning}});
  EXPECT_FALSE(FileExists(dir.File("empty.html")));

  Click(Dlg::kCsv);
  Generate(dir.File("empty.csv"));  // but an empty CSV file
  EXPECT_EQ(messages.Messages().back().text, kGenerated);
  EXPECT_TRUE(FileExists(dir.File("empty.csv")));
  EXPECT_EQ(ReadBytes(dir.File("empty.csv")), "");

  FillTree();
  const size_t before = messages.Messages().size();
  Generate(dir.File("missing/out.csv"));  // the CSV writer speaks first
  ASSERT_EQ(messages.Messages().size(), before + 2);
  EXPECT_EQ(messages.Messages()[before].text.rfind("Unable to open " + dir.File("missing/out.csv"), 0), 0u);
  EXPECT_EQ(messages.Messages()[before + 1].text, kFailed);

  Click(Dlg::kHtml);
  Generate(dir.File("missing/out.html"));
  ASSERT_EQ(messages.Messages().size(), before + 3);
  EXPECT_EQ(messages.Messages().back().text, kFailed);
  EXPECT_EQ(messages.Messages().back().icon, MessageIcon::Warning);
}

TEST_F(ReportOutputTest, AWriteErrorShowsOnlyTheFileErrorWithTheStopIcon) {
  FillTree();
  Open();
  const std::string path = dir.File("big.html");
  TypeName(QString::fromStdString(path));
  {
    FileSizeLimit limit(64);
    Click(Dlg::kReport);
  }
  ExpectMessages({{FileErrorText(FileErrorCauseFromErrno(EFBIG), path), MessageIcon::Stop}});
  EXPECT_NE(messages.Messages()[0].text.find(path), std::string::npos);
  EXPECT_EQ(dialog->result(), 0);  // still open for another try
}

// The collection and the settings are never overwritten by a report, under
// any name, and a pipe is no report file: each is refused with the stop
// icon before anything is written.
TEST_F(ReportOutputTest, RefusesTheProgramsOwnFilesAndPipes) {
  const std::string collection = dir.File("cdplayer.ini");
  WriteBytes(collection, "[a1]\r\nartist=Abba\r\n");
  WriteBytes(IniPath(), "[report]\r\ntype=0\r\n");
  std::filesystem::create_symlink(collection, dir.File("link.html"));
  const std::string fifo = dir.File("pipe.html");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  dialog->SetCollectionFile(collection);
  FillTree();
  Open();
  const std::pair<std::string, std::string> cases[] = {
      {collection, "A report cannot replace the loaded cdplayer.ini:\n" + collection},
      {dir.File("link.html"), "A report cannot replace the loaded cdplayer.ini:\n" + dir.File("link.html")},
      {dir.File("./cdplayer.ini"), "A report cannot replace the loaded cdplayer.ini:\n" + dir.File("./cdplayer.ini")},
      {IniPath(), "A report cannot replace Lumo's settings file lumo.ini:\n" + IniPath()},
  };
  for (const auto& [path, text] : cases) {
    messages.Clear();
    Generate(path);
    ExpectMessages({{text + "\nPlease choose another file name.", MessageIcon::Stop}});
  }
  messages.Clear();
  Generate(fifo);
  ExpectMessages({{fifo + " is not a regular file.", MessageIcon::Stop}});
  EXPECT_EQ(ReadBytes(collection), "[a1]\r\nartist=Abba\r\n");
  EXPECT_EQ(ReadBytes(IniPath()), "[report]\r\ntype=0\r\n");
}

TEST_F(ReportOutputTest, NamesReachTheDiskAndLumoIniInTheFileSystemsEncoding) {
  FillTree();
  for (const char* folder : {"M\u00fasica", "Jos\u00e9", "\u65e5\u672c", "na\u00efve test"}) {
    const std::string path = dir.File(folder) + "/r\u00e9port.csv";  // UTF-8, as the disk spells it
    std::filesystem::create_directories(dir.File(folder));
    dialog = NewDialog();
    Open();
    Click(Dlg::kCsv);
    Generate(path);
    EXPECT_EQ(messages.Messages().back().text, kGenerated) << folder;
    EXPECT_TRUE(FileExists(path));
    Click(Dlg::kExit);
    EXPECT_EQ(Stored("filename"), path);
    dialog = NewDialog();
    Open();
    EXPECT_EQ(NameField()->text(), QString::fromStdString(path));
  }
}

TEST_F(ReportOutputTest, BrowseAsksWithTheFormatsFilterAndTakesTheChosenPath) {
  Open();
  TypeName("start.html");
  Click(Dlg::kBrowse);  // cancelled
  EXPECT_EQ(Name(), "start.html");
  Click(Dlg::kCsv);
  chooserAnswer = QString::fromStdString(dir.File("chosen.csv"));
  Click(Dlg::kBrowse);
  EXPECT_EQ(Name(), dir.File("chosen.csv"));

  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].filter, "HTML files (*.htm *.html);;All Files (*)");
  EXPECT_EQ(requests[0].defaultSuffix, "htm");
  EXPECT_EQ(requests[0].initialName, "start.html");
  EXPECT_EQ(requests[1].filter, "CSV files (*.csv);;Text files (*.txt *.asc);;All Files (*)");
  EXPECT_EQ(requests[1].defaultSuffix, "csv");
  EXPECT_EQ(requests[1].initialName, "lumo.csv");
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ReportOutputTest, ViewOpensTheFileAndSaysWhenItCannot) {
  const std::string args = dir.File("args");
  const std::string ok = WriteFakeProgram(dir.Path(), "ok", "printf '%s' \"$1\" > '" + args + "'");
  const std::string none = WriteFakeProgram(dir.Path(), "none", "exit 3");
  Open();
  TypeName("my %s report.html");
  dialog->SetShellOpener(ShellOpener(QString::fromStdString(ok), 5s));
  Click(Dlg::kView);
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(ReadBytes(args), "my %s report.html");

  dialog->SetShellOpener(ShellOpener(QString::fromStdString(none), 5s));
  Click(Dlg::kView);
  ExpectMessages({{"Failed to execute the \"open\" verb on my %s report.html\nCheck that you "
                   "have a default association for this file type",
                   MessageIcon::Warning}});
}

}  // namespace
}  // namespace lumo::test
