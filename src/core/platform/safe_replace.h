#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "core/platform/message_id.h"
#include "core/platform/replacement_file.h"

// The one way a settings or collection file is changed on disk.
namespace lumo::platform {

struct ReplaceRules {
  IfMissing ifMissing = IfMissing::Create;
  // Larger files are refused (WriteTooLarge) before any memory is taken.
  std::size_t maxBytes = kAnySize;
  // The bytes the file must still hold (the caller's last read or write);
  // without them, whatever the file holds when read. Either way the
  // replacement stands only while the file holds the bytes it was made from
  // (see ReplacementFile::Commit).
  const std::string* expected = nullptr;
  // Creates the file's folder when missing (the profile directory).
  bool createFolder = false;
};

// Makes the new bytes from the file's current ones (`expected`, when given;
// empty for a file not yet there); nothing when no byte would change.
using Change = std::function<std::optional<std::string>(const std::string& current)>;

// Replaces the file at `path` (symbolic links followed) with what `change`
// makes of its bytes, in one step that a crash cannot leave half done, the
// file's permissions, owner and extended attributes kept. Returns no
// failure (Message::Failed() false) when the file was replaced or needed no
// change; `written`, when given, then receives the new bytes, or stays empty
// when nothing was written. Otherwise the message says why, and the file is
// as it was.
Message ReplaceIfUnchanged(const std::string& path, const ReplaceRules& rules, const Change& change,
                           std::optional<std::string>* written = nullptr);

}  // namespace lumo::platform
