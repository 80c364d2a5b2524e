#pragma once

#include <string>

// What the core has to tell the user about a file that could not be read or
// written: an id and its arguments, never worded text. The words are made
// in one place on the GUI side (gui/platform/message_text.h), where
// translations and code pages belong.
namespace lumo {

enum class MessageId {
  // A report file's error, a sentence naming the file (the file error causes;
  // see report/file_error.h).
  None,
  Generic,
  FileNotFound,
  BadPath,
  TooManyOpenFiles,
  AccessDenied,
  InvalidFile,
  RemoveCurrentDir,
  DirectoryFull,
  BadSeek,
  HardIo,
  SharingViolation,
  LockViolation,
  DiskFull,
  EndOfFile,
  NotRegularFile,  // a pipe or a device where a report file should be
  HardLinked,      // a file with other names, which a replacement would part from it
  FileSizeLimit,   // larger than the file size limit of the process (EFBIG)

  // Why a settings or collection file was left unchanged: one sentence, the
  // file named by the message around it.
  WriteCannotRead,
  WriteTooLarge,
  WriteFileGone,
  WriteTooManyLinks,
  WriteNoProfileFolder,
  WriteBadSection,  // an empty section name (CD key) or one with a control character
  WriteBadText,     // a line break, control character or trailing blank the file cannot keep
  WriteFolderMissing,
  WriteFolderProtected,
  WriteNotRegularFile,
  WriteProtected,
  WriteHardLinked,
  WriteAttributesNotCopied,
  WriteChangedMeanwhile,  // another program changed the file since it was read
  WriteLocked,            // another program holds a lock on it
  WriteDiskFull,
  WriteSizeLimit,
  WriteAccessDenied,
  ImportSameFile,  // importing the collection into itself
  ImportNotText,   // a file with NUL bytes, which no cdplayer.ini holds
  WriteSystemError,  // any other system error: the system's words for `error`; stays last
};

// A message with its arguments. `id` None with no file is "no failure".
struct Message {
  MessageId id = MessageId::None;
  std::string file;  // the file concerned, as the failed call was given it
  int error = 0;     // the errno value behind it, 0 when there is none

  bool Failed() const noexcept { return id != MessageId::None; }
  bool operator==(const Message&) const = default;
};

// Core code that still shows a box itself (the CSV writer) has a message
// worded here, by the function the GUI installs at start-up. Without one,
// the id and the arguments are given as they are ("message 3: <file>"),
// which only tests and tools see.
using MessageWording = std::string (*)(const Message& message);
// Installs `wording` (null restores the plain form) and returns the previous one.
MessageWording SetMessageWording(MessageWording wording);
std::string Worded(const Message& message);

}  // namespace lumo
