#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "child_process.h"
#include "support/message_box_recorder.h"
#include "core/platform/message_box.h"
#include "core/report/csv_report.h"
#include "core/report/file_error.h"
#include "core/report/file_exception.h"
#include "core/report/report_writing.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::FileExists;
using lumo::test::ReadBytes;

class CsvReportTest : public testing::Test {
 protected:
  // Writes the report and returns the file's bytes; fails the test when not written.
  std::string Write() {
    EXPECT_NO_THROW(csv_.WriteReport(path_, "title", "comment"));
    return ReadBytes(path_);
  }
  // What the writer says of writing to `path`, which must fail at `step` without a message box.
  std::string Failure(const std::string& path, lumo::FileStep step, std::string shown = {}) try {
    csv_.WriteReport(path, "", "");
    return "written";
  } catch (const lumo::FileException& error) {
    EXPECT_EQ(error.Step(), step);
    EXPECT_TRUE(messages_.Messages().empty());
    return lumo::ReportErrorText(error, true, shown.empty() ? path : shown);
  }

  lumo::test::TempDir dir_;
  std::string path_ = dir_.File("lumo.csv");
  LumoCsv csv_;
  lumo::test::MessageBoxRecorder messages_;
};

TEST_F(CsvReportTest, OneLinePerAlbumAndOneForAnArtistWithout) {
  csv_.AddArtist("A");
  csv_.AddAlbum("X");
  csv_.AddTrack(1, "t0");
  csv_.AddTrack(2, "t1");
  csv_.AddAlbum("Y");
  csv_.AddArtist("B");
  EXPECT_EQ(Write(), "\"A\",\"X\",\"t0\",\"t1\"\r\n\"A\",\"Y\"\r\n\"B\"\r\n");
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(CsvReportTest, SingleAlbumGivesOneLineWithoutTrackNumbersOrTitle) {
  csv_.AddArtist("Band");
  csv_.AddAlbum("Record");
  csv_.AddTrack(7, "Song, with comma");
  csv_.AddTrack(8, " spaced ");
  EXPECT_EQ(Write(), "\"Band\",\"Record\",\"Song, with comma\",\" spaced \"\r\n");
}

TEST_F(CsvReportTest, SameArtistTwiceKeepsALineOfTheArtistAlone) {
  csv_.AddArtist("A");
  csv_.AddArtist("A");
  csv_.AddAlbum("X");
  csv_.AddArtist("a");  // case matters: a new artist
  csv_.AddAlbum("Y");
  EXPECT_EQ(Write(), "\"A\"\r\n\"A\"\r\n\"A\",\"X\"\r\n\"a\",\"Y\"\r\n");
}

TEST_F(CsvReportTest, ArtistWithEmptyNameStartsItsLineLikeAnyOther) {
  csv_.AddArtist("");
  csv_.AddAlbum("X");
  csv_.AddAlbum("Y");
  csv_.AddArtist("B");
  EXPECT_EQ(Write(), "\"\",\"X\"\r\n\"\",\"Y\"\r\n\"B\"\r\n");
}

TEST_F(CsvReportTest, InnerQuotesAreDoubled) {
  csv_.AddArtist("a\"b");
  csv_.AddAlbum("\"\"");
  csv_.AddTrack(1, "12\" Mix \"");
  csv_.AddTrack(2, "");
  EXPECT_EQ(Write(), "\"a\"\"b\",\"\"\"\"\"\",\"12\"\" Mix \"\"\",\"\"\r\n");
}

TEST_F(CsvReportTest, EmptyCollectionWritesAnEmptyFile) {
  lumo::test::WriteBytes(path_, "an earlier report");
  EXPECT_EQ(Write(), "");
  EXPECT_TRUE(FileExists(path_));
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(CsvReportTest, WritingTwiceOrAfterResetGivesTheRightLines) {
  csv_.AddArtist("A");
  csv_.AddAlbum("X");
  const std::string first = Write();
  EXPECT_EQ(Write(), first);
  csv_.Reset();
  csv_.AddArtist("B");
  EXPECT_EQ(Write(), "\"B\"\r\n");
}

TEST_F(CsvReportTest, MissingFolderIsReportedAndNothingIsCreated) {
  csv_.AddArtist("A");
  const std::string path = dir_.File("missing/lumo.csv");
  EXPECT_EQ(Failure(path, lumo::FileStep::Open),
            "Unable to open " + path + " for writing.\n" + lumo::FileErrorText(lumo::FileErrorCause::BadPath, path) + "\n");
  EXPECT_FALSE(FileExists(path));
}

TEST_F(CsvReportTest, MessagesNameTheFileAsTheUserKnowsIt) {
  csv_.AddArtist("A");
  const std::string onDisk = dir_.File("missing/caf\xC3\xA9.csv");  // UTF-8 on the disk
  const std::string shown = dir_.File("missing/caf\xE9.csv");        // Windows-1252 in the dialog
  EXPECT_EQ(Failure(onDisk, lumo::FileStep::Open, shown),
            "Unable to open " + shown + " for writing.\n" + lumo::FileErrorText(lumo::FileErrorCause::BadPath, shown) + "\n");
}

TEST_F(CsvReportTest, FolderInPlaceOfTheFileIsDeniedAndKept) {
  EXPECT_EQ(Failure(dir_.Path(), lumo::FileStep::Open),
            "Unable to open " + dir_.Path() + " for writing.\n" +
                lumo::FileErrorText(lumo::FileErrorCause::AccessDenied, dir_.Path()) + "\n");
  EXPECT_TRUE(FileExists(dir_.File(".")));
}

TEST_F(CsvReportTest, ErrorTextIsCutTo254Characters) {
  const std::string path = dir_.File(std::string(300, 'n') + ".csv");  // name too long
  const std::string error = lumo::FileErrorText(lumo::FileErrorCause::BadPath, path).substr(0, 254);
  EXPECT_EQ(Failure(path, lumo::FileStep::Open), "Unable to open " + path + " for writing.\n" + error + "\n");
}

// Spreadsheets would run the guarded fields as formulas: an apostrophe
// inside the quotes keeps them text. Plain titles keep their first sign.
TEST_F(CsvReportTest, OnlyFormulaLikeFieldsStartWithAnApostrophe) {
  std::vector<std::pair<std::string, std::string>> cases = {
      {"=1+2", "\"'=1+2\""}, {"=", "\"'=\""}, {"\tTab", "\"'\tTab\""}, {"\rCR", "\"'\rCR\""},
      {"@SUM(A1)", "\"'@SUM(A1)\""}, {"+1-800", "\"'+1-800\""}, {"=\"x\"", "\"'=\"\"x\"\"\""},
      {"-intro", "\"-intro\""}, {"+44", "\"+44\""}, {"@home", "\"@home\""}, {"-1", "\"-1\""},
      {"-", "\"-\""}, {"+33 1", "\"+33 1\""}, {"a=b-c", "\"a=b-c\""}, {"'=x", "\"'=x\""}, {"", "\"\""},
  };
  for (char op : std::string("+-*/^%&=<>()!|:")) {
    cases.push_back({std::string("-x") + op, std::string("\"'-x") + op + '"'});
  }
  for (const auto& [name, field] : cases) {
    csv_.Reset();
    csv_.AddArtist(name);
    csv_.AddAlbum(name);
    csv_.AddTrack(1, name);
    EXPECT_EQ(Write(), field + "," + field + "," + field + "\r\n") << name;
  }
}

TEST_F(CsvReportTest, APipeIsRefusedAsNotARegularFile) {
  csv_.AddArtist("A");
  const std::string fifo = dir_.File("pipe.csv");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Failure(fifo, lumo::FileStep::Open),
            "Unable to open " + fifo + " for writing.\n" + lumo::FileErrorText(lumo::FileErrorCause::NotRegularFile, fifo) + "\n");
}

TEST_F(CsvReportTest, WriteFailureIsReportedAndTheEarlierReportKept) {
  lumo::test::WriteBytes(path_, "earlier report");
  for (int i = 0; i < 100; ++i) {
    csv_.AddArtist("Artist " + std::to_string(i));
    csv_.AddAlbum("Album");
  }
  const std::string result = lumo::test::RunWithFileSizeLimit(300, [this] {
    const int before = lumo::test::OpenDescriptorCount();
    std::string outcome = Failure(path_, lumo::FileStep::Write);
    if (lumo::test::OpenDescriptorCount() != before) outcome += ", file left open";
    if (ReadBytes(path_) != "earlier report") outcome += ", earlier report lost";
    return outcome;
  });
  EXPECT_EQ(result, "Error writing to " + path_ + "\n" + lumo::FileErrorText(lumo::FileErrorCause::FileSizeLimit, path_));
}

}  // namespace
