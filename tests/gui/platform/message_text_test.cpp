#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "core/report/file_error.h"
#include "gui/platform/message_text.h"

namespace {

using lumo::Message;
using lumo::MessageId;

// The words of every kind of message, the way the GUI shows them: report
// file errors name the file (literally: "%1" in a name stays), refused
// writes give one sentence, a system error its own words.
TEST(MessageText, EachIdHasItsWords) {
  const struct {
    Message message;
    std::string text;
  } cases[] = {
      {{MessageId::None, "a.csv"}, "No error occurred."},
      {{MessageId::BadSeek, "a.csv"}, "Seek failed on a.csv"},
      {{MessageId::TooManyOpenFiles, "x"}, "x could not be opened because there are too many open files."},
      {{MessageId::DiskFull, "100%1%s"}, "Disk full while accessing 100%1%s."},
      {{MessageId::Generic, ""}, "An unknown error occurred while accessing ."},
      {{MessageId::FileSizeLimit, "r.html", EFBIG},
       "r.html is too large for the file size limit in force (ulimit -f)."},
      {{MessageId::WriteSizeLimit, "cdplayer.ini", EFBIG},
       "The file is too large for the file size limit in force (ulimit -f)."},
      {{MessageId::WriteDiskFull, "cdplayer.ini", ENOSPC}, "The disk is full."},
      {{MessageId::WriteChangedMeanwhile, "cdplayer.ini"},
       "The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, "
       "then make the change again."},
      {{MessageId::WriteLocked, "cdplayer.ini", EAGAIN},
       "Another program holds a lock on the file while it writes it. Please try again in a moment."},
      {{MessageId::WriteSystemError, "cdplayer.ini", EIO}, std::string(std::strerror(EIO)) + "."},
      {{static_cast<MessageId>(-1), "x"}, "An unknown error occurred while accessing x."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lumo::MessageText(c.message), c.text) << static_cast<int>(c.message.id);
  }
}

// No id is left without words of its own: only Generic reads as "unknown".
TEST(MessageText, NoIdFallsBackToTheUnknownError) {
  const std::string unknown = lumo::MessageText({MessageId::Generic, "f"});
  for (int id = 0; id <= static_cast<int>(MessageId::WriteSystemError); ++id) {
    if (id == static_cast<int>(MessageId::Generic)) continue;
    EXPECT_NE(lumo::MessageText({static_cast<MessageId>(id), "f", EIO}), unknown) << id;
  }
  // The core's report writers are given the same words.
  EXPECT_EQ(lumo::FileErrorText(MessageId::AccessDenied, "/r/o.html"), "Access to /r/o.html was denied.");
}

}  // namespace
