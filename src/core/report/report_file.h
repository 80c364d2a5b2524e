#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/report/file_error.h"

namespace lumo::platform {
class ReplacementFile;
}

namespace lumo {

// The output file of a report writer, written aside and put in place whole:
// the bytes go to a new file beside the target (through one buffer), which
// replaces it in one rename when Close succeeds. Until then an earlier
// report stays as it was, and a failure leaves it so. A symbolic link is
// written through to its target.
class ReportFile {
 public:
  ReportFile();
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Prepares to replace `path`. Returns FileErrorCause::None, or why the
  // report may not go there: the folder is missing (BadPath) or
  // write-protected, the file has no write permission bit, even for root,
  // or is a folder (AccessDenied), a pipe or a device (NotRegularFile), or
  // has other names (HardLinked); nothing is changed then.
  lumo::FileErrorCause Open(const std::string& path);

  // Appends to the buffer, writing it out when full. Returns false once any
  // write has failed; later calls then write nothing.
  bool Write(std::string_view bytes);

  // Writes what is buffered and puts the file in place. Returns false when a
  // write, the flush or the rename fails; the earlier file then stays, and
  // no temporary file is left.
  bool Close();

  // The errno value of the first failure since Open, 0 when none.
  int Error() const noexcept { return error_; }

 private:
  bool Flush();
  void Fail(int error) noexcept;

  std::unique_ptr<lumo::platform::ReplacementFile> file_;
  std::string buffer_;
  int error_ = 0;
};

// Points a writer's `sink` at `file` for as long as it lives, and back at
// nothing when it goes, also when a walk feeding the writer throws.
class SinkScope {
 public:
  SinkScope(ReportFile*& sink, ReportFile& file) : sink_(sink) { sink_ = &file; }
  ~SinkScope() { sink_ = nullptr; }
  SinkScope(const SinkScope&) = delete;
  SinkScope& operator=(const SinkScope&) = delete;

 private:
  ReportFile*& sink_;
};

}  // namespace lumo
