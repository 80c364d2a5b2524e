#include "gui/platform/message_text.h"

#include <cstring>
#include <string_view>

#include "core/platform/message_box.h"

namespace lumo {
namespace {

constexpr std::string_view kUnknown = "An unknown error occurred while accessing %1.";

struct Row {
  MessageId id;
  std::string_view pattern;
};

// Every message: the report files' errors first, as they have always read,
// then why a settings or collection file was left as it was (one sentence
// each; WriteSystemError takes the system's words).
constexpr Row kTable[] = {
    {MessageId::None, "No error occurred."},
    {MessageId::Generic, kUnknown},
    {MessageId::FileNotFound, "%1 was not found."},
    {MessageId::BadPath, "%1 contains an invalid path."},
    {MessageId::TooManyOpenFiles, "%1 could not be opened because there are too many open files."},
    {MessageId::AccessDenied, "Access to %1 was denied."},
    {MessageId::InvalidFile, "An invalid file handle was associated with %1."},
    {MessageId::RemoveCurrentDir, "%1 could not be removed because it is the current directory."},
    {MessageId::DirectoryFull, "%1 could not be created because the directory is full."},
    {MessageId::BadSeek, "Seek failed on %1"},
    {MessageId::HardIo, "A hardware I/O error was reported while accessing %1."},
    {MessageId::SharingViolation, "A sharing violation occurred while accessing %1."},
    {MessageId::LockViolation, "A locking violation occurred while accessing %1."},
    {MessageId::DiskFull, "Disk full while accessing %1."},
    {MessageId::EndOfFile, "An attempt was made to access %1 past its end."},
    {MessageId::NotRegularFile, "%1 is not a regular file."},
    {MessageId::HardLinked,
     "%1 has more than one name (hard links), and the other names would keep the old contents."},
    {MessageId::FileSizeLimit, "%1 is too large for the file size limit in force (ulimit -f)."},
    {MessageId::WriteCannotRead, "The file cannot be read."},
    {MessageId::WriteTooLarge, "The file is too large to be read."},
    {MessageId::WriteFileGone, "The file no longer exists."},
    {MessageId::WriteTooManyLinks, "The path runs through too many symbolic links."},
    {MessageId::WriteNoProfileFolder, "The profile folder cannot be created."},
    {MessageId::WriteBadSection,
     "The section name (the disc's CD key) is empty or holds a control character, so it cannot be written."},
    {MessageId::WriteBadText,
     "The text holds a line break, a control character or blanks that the file cannot keep."},
    {MessageId::WriteFolderMissing, "The folder does not exist."},
    {MessageId::WriteFolderProtected, "The folder is write-protected."},
    {MessageId::WriteNotRegularFile, "It is not an ordinary file."},
    {MessageId::WriteProtected, "The file is write-protected."},
    {MessageId::WriteHardLinked,
     "The file has more than one name (hard links), and the other names would keep the old contents."},
    {MessageId::WriteAttributesNotCopied,
     "The file's extended attributes (such as its access control list) cannot be carried over."},
    {MessageId::WriteChangedMeanwhile,
     "The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, "
     "then make the change again."},
    {MessageId::WriteLocked,
     "Another program holds a lock on the file while it writes it. Please try again in a moment."},
    {MessageId::WriteDiskFull, "The disk is full."},
    {MessageId::WriteSizeLimit, "The file is too large for the file size limit in force (ulimit -f)."},
    {MessageId::WriteAccessDenied, "Access was denied."},
    {MessageId::ImportSameFile, "It is the collection already loaded."},
    {MessageId::ImportNotText, "It holds NUL bytes: it is not a cdplayer.ini."},
};

}  // namespace

std::string MessageText(const Message& message) {
  if (message.id == MessageId::WriteSystemError) return std::string(std::strerror(message.error)) + ".";
  std::string_view pattern = kUnknown;
  for (const Row& row : kTable) {
    if (row.id == message.id) pattern = row.pattern;
  }
  return FillIn(pattern, "%1", message.file);
}

void InstallMessageText() { SetMessageWording(&MessageText); }

}  // namespace lumo
