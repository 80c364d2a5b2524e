#include <gtest/gtest.h>

#include <string>

#include "child_process.h"
#include "support/message_box_recorder.h"
#include "core/report/file_exception.h"
#include "core/report/html_report.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::test::ReadBytes;

const lumo::ReportFooter kFooter{"Lumo", "v9.9 Test", "http://www.lumo.example/Test.html"};

// A collection fed to the writer, the title and comment of its page, and
// the file in golden/ that holds the page's bytes.
struct GoldenPage {
  const char* file;
  const char* title;
  const char* comment;
  void (*feed)(LumoHtml&);
};

class HtmlReportTest : public testing::Test {
 protected:
  // Whether writing to `path` fails at the Open step, before touching anything.
  bool FailsToOpen(const std::string& path) try {
    html_.WriteReport(path, "R", "");
    return false;
  } catch (const lumo::FileException& error) {
    return error.Step() == lumo::FileStep::Open;
  }

  lumo::test::TempDir dir_;
  std::string path_ = dir_.File("report.html");
  LumoHtml html_{kFooter};
  lumo::test::MessageBoxRecorder messages_;
};

// Every page is one line, written over a longer earlier file.
TEST_F(HtmlReportTest, PagesMatchTheirGoldenFiles) {
  const GoldenPage pages[] = {
      {"small.html", "R", "",
       [](LumoHtml& w) {
         w.AddArtist("A"); w.AddAlbum("X"); w.AddTrack(1, "t1"); w.AddTrack(2, "t2");
         w.AddArtist("B");
       }},
      // An artist's paragraph is closed only after albums; albums are separated.
      {"index_paragraphs.html", "R", "",
       [](LumoHtml& w) {
         w.AddArtist("Solo"); w.AddArtist("Duo"); w.AddAlbum("One"); w.AddAlbum("Two");
         w.AddArtist("Last"); w.AddAlbum("Only");
       }},
      // Tables only for albums with tracks, each closed once, the last at the end.
      {"tables.html", "R", "",
       [](LumoHtml& w) {
         w.AddArtist("A"); w.AddAlbum("Empty"); w.AddAlbum("Full"); w.AddTrack(1, "a");
         w.AddArtist("B"); w.AddAlbum("Last"); w.AddTrack(1, "b");
       }},
      {"track_numbers.html", "R", "",
       [](LumoHtml& w) {
         w.AddArtist("A"); w.AddAlbum("X");
         for (int n : {1, 2, 10, 32767, -1}) w.AddTrack(static_cast<int16_t>(n), "t");
       }},
      {"escaped.html", "Mine & <Yours>", "\"quoted\" & more",
       [](LumoHtml& w) {
         w.AddArtist("Tom & \"Jerry\""); w.AddAlbum("<b>Live</b>"); w.AddTrack(1, "Rock & Roll > Jazz");
       }},
      {"literal_bytes.html", "%s", "50%",
       [](LumoHtml& w) { w.AddArtist("100% %s%d%n"); w.AddAlbum("#1 \xe9t\xe9"); w.AddTrack(1, "%%"); }},
      {"empty_title.html", "", "", [](LumoHtml& w) { w.AddArtist("A"); }},
      // Names whose anchors once collided (AB+C and A+BC, Zed and ""+Zed,
      // case only) each get their own; an empty name's link stays visible.
      {"anchors.html", "R", "",
       [](LumoHtml& w) {
         w.AddArtist("AB"); w.AddAlbum("C"); w.AddArtist("A"); w.AddAlbum("BC"); w.AddArtist("Zed");
         w.AddArtist(""); w.AddAlbum("Zed"); w.AddAlbum(""); w.AddArtist("BriMi"); w.AddArtist("Brimi");
       }},
      {"after_reset.html", "R", "",
       [](LumoHtml& w) {
         w.AddArtist("Old"); w.AddAlbum("Gone"); w.AddTrack(1, "t");
         w.Reset(); w.AddArtist("New");
       }},
  };
  for (const GoldenPage& page : pages) {
    LumoHtml html(kFooter);
    page.feed(html);
    lumo::test::WriteBytes(path_, std::string(100000, '~'));
    EXPECT_NO_THROW(html.WriteReport(path_, page.title, page.comment)) << page.file;
    EXPECT_EQ(ReadBytes(path_), ReadBytes(std::string(LUMO_REPORT_GOLDEN "/") + page.file)) << page.file;
  }
}

TEST_F(HtmlReportTest, EmptyCollectionFailsAndLeavesFilesAsTheyWere) {
  lumo::test::WriteBytes(path_, "an earlier report");
  EXPECT_TRUE(FailsToOpen(path_));
  EXPECT_EQ(ReadBytes(path_), "an earlier report");

  const std::string absent = dir_.File("absent.html");
  EXPECT_TRUE(FailsToOpen(absent));
  EXPECT_FALSE(lumo::test::FileExists(absent));

  html_.AddArtist("A");
  html_.Reset();  // forgets the artist again
  EXPECT_TRUE(FailsToOpen(path_));
  EXPECT_EQ(ReadBytes(path_), "an earlier report");
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HtmlReportTest, UnopenablePathFailsWithoutAMessage) {
  html_.AddArtist("A");
  EXPECT_TRUE(FailsToOpen(dir_.File("no/such/folder.html")));
  EXPECT_TRUE(FailsToOpen(dir_.Path()));  // a folder
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(HtmlReportTest, WriteFailurePastTheSizeLimitThrowsAndKeepsTheEarlierPage) {
  lumo::test::WriteBytes(path_, "earlier page");
  for (int i = 0; i < 50; ++i) html_.AddArtist("Artist " + std::to_string(i));
  const std::string result = lumo::test::RunWithFileSizeLimit(500, [this] {
    const int before = lumo::test::OpenDescriptorCount();
    try {
      html_.WriteReport(path_, "R", "");
      return std::string("no exception");
    } catch (const lumo::FileException& e) {
      const bool released = lumo::test::OpenDescriptorCount() == before;
      return std::string(e.Cause() == lumo::FileErrorCause::FileSizeLimit ? "size limit" : "other") +
             (released ? ", released: " : ", still open: ") + e.what();
    }
  });
  EXPECT_EQ(result, "size limit, released: " + lumo::FileErrorText(lumo::FileErrorCause::FileSizeLimit, path_));
  EXPECT_EQ(ReadBytes(path_), "earlier page");
  EXPECT_EQ(lumo::test::FolderEntries(dir_.Path()).size(), 1u);
}

}  // namespace
