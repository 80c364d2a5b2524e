#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// The output file of a report writer: created or truncated on open, written
// through one buffer, closed with every error checked. The descriptor is
// released when the object goes, whatever happened before.
class ReportFile {
 public:
  ReportFile() = default;
  ~ReportFile();
  ReportFile(const ReportFile&) = delete;
  ReportFile& operator=(const ReportFile&) = delete;

  // Opens `path` for writing, creating it (mode 0666 less the umask) or
  // truncating it. Returns 0, or the errno value of the failure. A FIFO
  // without a reader fails at once (ENXIO) instead of blocking.
  int Open(const std::string& path);

  // Appends to the buffer, writing it out when full. Returns false once any
  // write has failed; later calls then write nothing.
  bool Write(std::string_view bytes);

  // Writes what is buffered and closes. Returns false when a write or the
  // close fails; the descriptor is released either way.
  bool Close();

  // The errno value of the first failure since Open, 0 when none.
  int Error() const noexcept { return error_; }

  // Deletes the file this object created or truncated, but only when it was
  // a regular file and the path still names that same file; anything else
  // (a device, a file put there since) is left alone. Call after Close.
  bool RemoveWritten();

 private:
  bool WriteThrough(std::string_view bytes);
  bool Flush();
  void Fail(int error) noexcept;

  std::string path_;
  std::string buffer_;
  int fd_ = -1;
  int error_ = 0;
  bool regular_ = false;
  dev_t device_ = 0;
  ino_t inode_ = 0;
};
