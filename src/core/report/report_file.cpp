#include "core/report/report_file.h"

#include <cerrno>
#include <memory>
#include <utility>

#include "core/platform/replacement_file.h"

namespace lumo {

namespace {

using lumo::FileErrorCause;
using lumo::MessageId;

// Large enough that a report of any size takes few system calls.
constexpr size_t kBufferSize = size_t{1} << 20;

FileErrorCause CauseOf(const lumo::platform::ReplacementFile& file) {
  switch (file.Failure().id) {
    case MessageId::None: return FileErrorCause::None;
    case MessageId::WriteFolderMissing:
    case MessageId::WriteTooManyLinks: return FileErrorCause::BadPath;
    case MessageId::WriteNotRegularFile:
      return file.Error() == EISDIR ? FileErrorCause::AccessDenied : FileErrorCause::NotRegularFile;
    case MessageId::WriteHardLinked: return FileErrorCause::HardLinked;
    case MessageId::WriteFolderProtected:
    case MessageId::WriteProtected:
    case MessageId::WriteAttributesNotCopied: return FileErrorCause::AccessDenied;
    default: break;
  }
  return lumo::FileErrorCauseOfCreate(file.Error());
}

}  // namespace

ReportFile::ReportFile() = default;

ReportFile::~ReportFile() = default;

FileErrorCause ReportFile::Open(const std::string& path) {
  file_.reset();
  error_ = 0;
  buffer_.clear();
  auto file = std::make_unique<lumo::platform::ReplacementFile>(path);
  if (!file->Begin()) return CauseOf(*file);
  file_ = std::move(file);
  buffer_.reserve(kBufferSize);
  return FileErrorCause::None;
}

bool ReportFile::Write(std::string_view bytes) {
  if (!file_ || error_ != 0) return false;
  if (buffer_.size() + bytes.size() <= kBufferSize) {
    buffer_ += bytes;
    return true;
  }
  if (!Flush()) return false;
  if (!file_->Write(bytes)) Fail(file_->Error());
  return error_ == 0;
}

bool ReportFile::Close() {
  if (!file_) return error_ == 0;
  if (Flush() && !file_->Commit()) Fail(file_->Error() != 0 ? file_->Error() : EIO);
  // Gone either way: on failure its temporary file goes with it.
  file_.reset();
  return error_ == 0;
}

bool ReportFile::Flush() {
  if (error_ != 0) return false;
  if (!file_->Write(buffer_)) Fail(file_->Error());
  buffer_.clear();
  return error_ == 0;
}

void ReportFile::Fail(int error) noexcept {
  if (error_ == 0) error_ = error;
}

}  // namespace lumo
