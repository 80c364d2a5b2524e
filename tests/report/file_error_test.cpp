#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "report/file_error.h"
#include "report/file_exception.h"
#include "report/report_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using lumo::FileErrorCause;
using lumo::test::FileExists;
using lumo::test::ReadBytes;

TEST(FileErrorTest, TextsNameTheFileLiterally) {
  EXPECT_EQ(lumo::FileErrorText(FileErrorCause::None, "a.csv"), "No error occurred.");
  EXPECT_EQ(lumo::FileErrorText(FileErrorCause::BadSeek, "a.csv"), "Seek failed on a.csv");
  EXPECT_EQ(lumo::FileErrorText(FileErrorCause::TooManyOpenFiles, "x"),
            "x could not be opened because there are too many open files.");
  // A name holding "%1" or "%s" is not expanded again.
  EXPECT_EQ(lumo::FileErrorText(FileErrorCause::DiskFull, "100%1%s"),
            "Disk full while accessing 100%1%s.");
  EXPECT_EQ(lumo::FileErrorText(FileErrorCause::Generic, ""),
            "An unknown error occurred while accessing .");
}

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
      {EFBIG, FileErrorCause::DiskFull},
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
  EXPECT_STREQ(error.what(), "Access to /r/o.html was denied.");
}

class ReportFileTest : public testing::Test {
 protected:
  lumo::test::TempDir dir_;
  std::string path_ = dir_.File("out.txt");
  ReportFile file_;
};

TEST_F(ReportFileTest, WritesLargeAndSmallPiecesInOrder) {
  const std::string big(3 << 20, 'b');  // more than the buffer holds
  ASSERT_EQ(file_.Open(path_), 0);
  EXPECT_TRUE(file_.Write("head"));
  EXPECT_TRUE(file_.Write(big));
  EXPECT_TRUE(file_.Write("tail"));
  EXPECT_TRUE(file_.Close());
  EXPECT_EQ(ReadBytes(path_), "head" + big + "tail");
}

TEST_F(ReportFileTest, RemovesOnlyTheFileItWrote) {
  ASSERT_EQ(file_.Open(path_), 0);
  ASSERT_TRUE(file_.Close());
  // Someone else's file now stands at the path: it must survive.
  ASSERT_EQ(std::rename(path_.c_str(), dir_.File("moved").c_str()), 0);
  lumo::test::WriteBytes(path_, "not ours");
  EXPECT_FALSE(file_.RemoveWritten());
  EXPECT_EQ(ReadBytes(path_), "not ours");

  ReportFile own;
  ASSERT_EQ(own.Open(path_), 0);
  ASSERT_TRUE(own.Close());
  EXPECT_TRUE(own.RemoveWritten());
  EXPECT_FALSE(FileExists(path_));
}

TEST_F(ReportFileTest, FifoIsNeitherWaitedForNorRemoved) {
  const std::string fifo = dir_.File("pipe");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(file_.Open(fifo), ENXIO);  // no reader: fails instead of blocking

  const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  ASSERT_EQ(file_.Open(fifo), 0);
  EXPECT_TRUE(file_.Write("x"));
  EXPECT_TRUE(file_.Close());
  EXPECT_FALSE(file_.RemoveWritten());
  struct stat info {};
  EXPECT_EQ(lstat(fifo.c_str(), &info), 0);
  close(reader);
}

}  // namespace
