#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/report/file_error.h"
#include "core/report/file_exception.h"
#include "core/report/report_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

using namespace lumo;

namespace {

using lumo::FileErrorCause;
using lumo::test::FileExists;
using lumo::test::ReadBytes;

TEST(FileErrorTest, ErrnoValuesMapOntoCauses) {
  const std::pair<int, FileErrorCause> cases[] = {
      {0, FileErrorCause::None},
      {ENOENT, FileErrorCause::FileNotFound},
      {ENOTDIR, FileErrorCause::BadPath},
      {ENAMETOOLONG, FileErrorCause::BadPath},
      {EMFILE, FileErrorCause::TooManyOpenFiles},
      {EACCES, FileErrorCause::AccessDenied},
      {EROFS, FileErrorCause::AccessDenied},
      {EISDIR, FileErrorCause::AccessDenied},
      {EBADF, FileErrorCause::InvalidFile},
      {EIO, FileErrorCause::HardIo},
      {ETXTBSY, FileErrorCause::SharingViolation},
      {ENOSPC, FileErrorCause::DiskFull},
      {EFBIG, FileErrorCause::FileSizeLimit},  // the process's limit (ulimit -f), not the disk
      {EDQUOT, FileErrorCause::DiskFull},
      {ECONNRESET, FileErrorCause::Generic},
  };
  for (const auto& [error, cause] : cases) {
    EXPECT_EQ(lumo::FileErrorCauseFromErrno(error), cause) << "errno " << error;
  }
  EXPECT_EQ(lumo::FileErrorCauseOfCreate(ENOENT), FileErrorCause::BadPath);
  EXPECT_EQ(lumo::FileErrorCauseOfCreate(EACCES), FileErrorCause::AccessDenied);
}

TEST(FileErrorTest, ExceptionCarriesCauseNameAndText) {
  const lumo::FileException error(FileErrorCause::AccessDenied, "/r/o.html", EACCES);
  EXPECT_EQ(error.Cause(), FileErrorCause::AccessDenied);
  EXPECT_EQ(error.FileName(), "/r/o.html");
  EXPECT_EQ(error.OsError(), EACCES);
  EXPECT_EQ(error.what(), lumo::FileErrorText(FileErrorCause::AccessDenied, "/r/o.html"));
}

class ReportFileTest : public testing::Test {
 protected:
  lumo::test::TempDir dir_;
  std::string path_ = dir_.File("out.txt");
  ReportFile file_;
};

TEST_F(ReportFileTest, WritesLargeAndSmallPiecesInOrder) {
  const std::string big(3 << 20, 'b');  // more than the buffer holds
  ASSERT_EQ(file_.Open(path_), FileErrorCause::None);
  EXPECT_TRUE(file_.Write("head"));
  EXPECT_TRUE(file_.Write(big));
  EXPECT_TRUE(file_.Write("tail"));
  EXPECT_TRUE(file_.Close());
  EXPECT_EQ(ReadBytes(path_), "head" + big + "tail");
}

// Until Close the earlier report stands whole; a report not closed leaves
// it so, and nothing beside it.
TEST_F(ReportFileTest, TheEarlierFileStaysUntilTheNewOneIsComplete) {
  lumo::test::WriteBytes(path_, "earlier report");
  {
    ReportFile unfinished;
    ASSERT_EQ(unfinished.Open(path_), FileErrorCause::None);
    EXPECT_TRUE(unfinished.Write(std::string(2 << 20, 'x')));
    EXPECT_EQ(ReadBytes(path_), "earlier report");
  }
  EXPECT_EQ(ReadBytes(path_), "earlier report");
  ASSERT_EQ(file_.Open(path_), FileErrorCause::None);
  EXPECT_TRUE(file_.Write("new"));
  EXPECT_TRUE(file_.Close());
  EXPECT_EQ(ReadBytes(path_), "new");
  EXPECT_EQ(lumo::test::FolderEntries(dir_.Path()).size(), 1u);
}

// What may not be replaced is refused before anything is written.
TEST_F(ReportFileTest, PlacesThatMayNotTakeAReportAreRefused) {
  const std::string fifo = dir_.File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string readOnly = dir_.File("read-only.html");
  lumo::test::WriteBytes(readOnly, "kept");
  ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);  // write-protected, for root too
  const std::string linked = dir_.File("linked.html");
  lumo::test::WriteBytes(linked, "kept");
  ASSERT_EQ(link(linked.c_str(), dir_.File("other-name.html").c_str()), 0);
  const std::pair<std::string, FileErrorCause> cases[] = {
      {fifo, FileErrorCause::NotRegularFile},
      {"/dev/null", FileErrorCause::NotRegularFile},
      {readOnly, FileErrorCause::AccessDenied},
      {linked, FileErrorCause::HardLinked},
      {dir_.Path(), FileErrorCause::AccessDenied},
      {dir_.File("missing/out.html"), FileErrorCause::BadPath},
  };
  for (const auto& [path, cause] : cases) {
    EXPECT_EQ(file_.Open(path), cause) << path;
    EXPECT_FALSE(file_.Write("x"));
  }
  EXPECT_EQ(ReadBytes(readOnly), "kept");
  EXPECT_EQ(ReadBytes(linked), "kept");
  struct stat info {};
  EXPECT_EQ(lstat(fifo.c_str(), &info), 0);
  EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

}  // namespace
