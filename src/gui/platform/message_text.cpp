#include "gui/platform/message_text.h"

#include <QtGlobal>

#include <cstring>
#include <string_view>

#include "core/platform/message_box.h"
#include "gui/platform/path_text.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

constexpr std::string_view kUnknown = QT_TRANSLATE_NOOP("Message", "An unknown error occurred while accessing %1.");

struct Row {
  MessageId id;
  std::string_view pattern;
};

// Every message: the report files' errors first, as they have always read,
// then why a settings or collection file was left as it was (one sentence
// each; WriteSystemError takes the system's words).
constexpr Row kTable[] = {
    {MessageId::None, QT_TRANSLATE_NOOP("Message", "No error occurred.")},
    {MessageId::Generic, kUnknown},
    {MessageId::FileNotFound, QT_TRANSLATE_NOOP("Message", "%1 was not found.")},
    {MessageId::BadPath, QT_TRANSLATE_NOOP("Message", "%1 contains an invalid path.")},
    {MessageId::TooManyOpenFiles, QT_TRANSLATE_NOOP("Message", "%1 could not be opened because there are too many open files.")},
    {MessageId::AccessDenied, QT_TRANSLATE_NOOP("Message", "Access to %1 was denied.")},
    {MessageId::InvalidFile, QT_TRANSLATE_NOOP("Message", "An invalid file handle was associated with %1.")},
    {MessageId::RemoveCurrentDir, QT_TRANSLATE_NOOP("Message", "%1 could not be removed because it is the current directory.")},
    {MessageId::DirectoryFull, QT_TRANSLATE_NOOP("Message", "%1 could not be created because the directory is full.")},
    {MessageId::BadSeek, QT_TRANSLATE_NOOP("Message", "Seek failed on %1")},
    {MessageId::HardIo, QT_TRANSLATE_NOOP("Message", "A hardware I/O error was reported while accessing %1.")},
    {MessageId::SharingViolation, QT_TRANSLATE_NOOP("Message", "A sharing violation occurred while accessing %1.")},
    {MessageId::LockViolation, QT_TRANSLATE_NOOP("Message", "A locking violation occurred while accessing %1.")},
    {MessageId::DiskFull, QT_TRANSLATE_NOOP("Message", "Disk full while accessing %1.")},
    {MessageId::EndOfFile, QT_TRANSLATE_NOOP("Message", "An attempt was made to access %1 past its end.")},
    {MessageId::NotRegularFile, QT_TRANSLATE_NOOP("Message", "%1 is not a regular file.")},
    {MessageId::HardLinked,
     QT_TRANSLATE_NOOP("Message", "%1 has more than one name (hard links), and the other names would keep the old contents.")},
    {MessageId::FileSizeLimit, QT_TRANSLATE_NOOP("Message", "%1 is too large for the file size limit in force (ulimit -f).")},
    {MessageId::WriteCannotRead, QT_TRANSLATE_NOOP("Message", "The file cannot be read.")},
    {MessageId::WriteTooLarge, QT_TRANSLATE_NOOP("Message", "The file is too large to be read.")},
    {MessageId::WriteFileGone, QT_TRANSLATE_NOOP("Message", "The file no longer exists.")},
    {MessageId::WriteTooManyLinks, QT_TRANSLATE_NOOP("Message", "The path runs through too many symbolic links.")},
    {MessageId::WriteNoProfileFolder, QT_TRANSLATE_NOOP("Message", "The profile folder cannot be created.")},
    {MessageId::WriteBadSection,
     QT_TRANSLATE_NOOP("Message", "The section name (the disc's CD key) is empty or holds a control character, so it cannot be written.")},
    {MessageId::WriteBadText,
     QT_TRANSLATE_NOOP("Message", "The text holds a line break, a control character or blanks that the file cannot keep.")},
    {MessageId::WriteFolderMissing, QT_TRANSLATE_NOOP("Message", "The folder does not exist.")},
    {MessageId::WriteFolderProtected, QT_TRANSLATE_NOOP("Message", "The folder is write-protected.")},
    {MessageId::WriteNotRegularFile, QT_TRANSLATE_NOOP("Message", "It is not an ordinary file.")},
    {MessageId::WriteProtected, QT_TRANSLATE_NOOP("Message", "The file is write-protected.")},
    {MessageId::WriteHardLinked,
     QT_TRANSLATE_NOOP("Message", "The file has more than one name (hard links), and the other names would keep the old contents.")},
    {MessageId::WriteAttributesNotCopied,
     QT_TRANSLATE_NOOP("Message", "The file's extended attributes (such as its access control list) cannot be carried over.")},
    {MessageId::WriteChangedMeanwhile,
     QT_TRANSLATE_NOOP("Message", "The file was changed by another program since Lumo last read it. Please Refresh to see what it holds now, "
     "then make the change again.")},
    {MessageId::WriteLocked,
     QT_TRANSLATE_NOOP("Message", "Another program holds a lock on the file while it writes it. Please try again in a moment.")},
    {MessageId::WriteDiskFull, QT_TRANSLATE_NOOP("Message", "The disk is full.")},
    {MessageId::WriteSizeLimit, QT_TRANSLATE_NOOP("Message", "The file is too large for the file size limit in force (ulimit -f).")},
    {MessageId::WriteAccessDenied, QT_TRANSLATE_NOOP("Message", "Access was denied.")},
    {MessageId::ImportSameFile, QT_TRANSLATE_NOOP("Message", "It is the collection already loaded.")},
    {MessageId::ImportNotText, QT_TRANSLATE_NOOP("Message", "It holds NUL bytes: it is not a cdplayer.ini.")},
};

}  // namespace

std::string MessageText(const Message& message) {
  if (message.id == MessageId::WriteSystemError) return std::string(std::strerror(message.error)) + ".";
  std::string_view pattern = kUnknown;
  for (const Row& row : kTable) {
    if (row.id == message.id) pattern = row.pattern;
  }
  // Translated before "%1" is filled, so a name is never looked up.
  return FillIn(TrUtf8("Message", pattern.data()), "%1", PathForMessage(message.file));
}

void InstallMessageText() { SetMessageWording(&MessageText); }

}  // namespace lumo
