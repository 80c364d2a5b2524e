#pragma once

#include <stdexcept>
#include <string>

#include "core/report/file_error.h"

// A file error that leaves report writing early: thrown by the HTML writer
// when a write or the close fails after the file was opened. what() is the
// cause's user text for the file name, ready for a message box.
namespace lumo {

class FileException : public std::runtime_error {
 public:
  // `osError` is the errno value the cause was taken from (0 when none).
  FileException(FileErrorCause cause, std::string fileName, int osError);

  FileErrorCause Cause() const noexcept { return cause_; }
  const std::string& FileName() const noexcept { return fileName_; }
  int OsError() const noexcept { return osError_; }

 private:
  FileErrorCause cause_;
  std::string fileName_;
  int osError_;
};

}  // namespace lumo
