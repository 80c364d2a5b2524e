#pragma once

#include <stdexcept>
#include <string>

#include "core/report/file_error.h"

// A file error that ends writing a report: thrown by the report writers
// when the file cannot be made or written. what() is the cause's user text
// for the file name.
namespace lumo {

// Where writing failed: before anything was touched (the file could not be
// made, or there was nothing to write), or while writing and putting the
// file in place (an earlier file at the path then stays as it was).
enum class FileStep { Open, Write };

class FileException : public std::runtime_error {
 public:
  // `osError` is the errno value the cause was taken from (0 when none).
  FileException(FileErrorCause cause, std::string fileName, int osError, FileStep step = FileStep::Write);

  FileErrorCause Cause() const noexcept { return cause_; }
  FileStep Step() const noexcept { return step_; }
  const std::string& FileName() const noexcept { return fileName_; }
  int OsError() const noexcept { return osError_; }

 private:
  FileErrorCause cause_;
  std::string fileName_;
  int osError_;
  FileStep step_;
};

}  // namespace lumo
