#pragma once

#include <string>

#include "core/platform/message_id.h"

// The causes of file errors met while writing reports, and how
// operating-system error numbers map onto them.
namespace lumo {

// The causes are the first ids of MessageId (None to FileSizeLimit), so
// that a report's file error is worded by the same table as every other
// message (gui/platform/message_text.h).
using FileErrorCause = MessageId;

// The cause an errno value stands for; 0 gives None, anything unlisted Generic.
FileErrorCause FileErrorCauseFromErrno(int error) noexcept;

// Like FileErrorCauseFromErrno, for a failed open that would have created the
// file: a missing name there means a missing folder, so ENOENT is a bad path.
FileErrorCause FileErrorCauseOfCreate(int error) noexcept;

// The cause's text for the file name, worded by the installed table
// (lumo::Worded); for report writers that show their own messages.
std::string FileErrorText(FileErrorCause cause, const std::string& fileName);

}  // namespace lumo
