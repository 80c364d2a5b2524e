#include "core/platform/profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/platform/ini_number.h"
#include "core/platform/atomic_file.h"
#include "core/platform/profile_text.h"

namespace lumo::profile {
namespace {

// What the platform's call returns through a 1024-byte buffer.
constexpr std::size_t kMaxStringResult = 1023;

bool IsBareName(const std::string& fileName) { return fileName.find('/') == std::string::npos; }

bool Fail(std::string& reason, const char* why) {
  reason = why;
  return false;
}

// A file too large to be what the caller reads counts as missing.
bool ReadWithin(const std::string& fileName, std::string& bytes, std::size_t maxBytes) {
  return platform::ReadFileBytes(ResolvePath(fileName), bytes, maxBytes) == platform::ReadStatus::Read;
}

std::string CutToBuffer(std::string_view text) {
  return std::string(text.substr(0, kMaxStringResult));
}

// Why an edit cannot be written: its section name (for cdplayer.ini the
// disc's CD key) or the text itself.
const char* UnwritableReason(const Edit& edit) {
  if (edit.section.empty() || HasLineBreakingByte(edit.section)) {
    return "The section name (the disc's CD key) is empty or holds a control character, so it cannot be written.";
  }
  return "The text holds a line break, a control character or blanks that the file cannot keep.";
}

// Reads the file a write will change, and checks that it may.
bool ReadForWrite(const std::string& target, const WriteRules& rules, std::string& text,
                  platform::FileStamp& stamp, std::string& why) {
  switch (platform::ReadFileBytes(target, text, rules.maxBytes, &stamp)) {
    case platform::ReadStatus::Failed: return Fail(why, "The file cannot be read.");
    case platform::ReadStatus::TooLarge: return Fail(why, "The file is too large to be read.");
    case platform::ReadStatus::Missing:
      if (rules.ifMissing == IfMissing::Refuse) return Fail(why, "The file no longer exists.");
      break;
    case platform::ReadStatus::Read: break;
  }
  if (rules.knownBytes != nullptr && text != *rules.knownBytes) return Fail(why, platform::kChangedByAnotherProgram);
  return true;
}

}  // namespace

Edit Edit::Set(std::string section, std::string key, std::string value) {
  return Edit{Kind::SetKey, std::move(section), std::move(key), std::move(value)};
}

Edit Edit::Remove(std::string section) { return Edit{Kind::RemoveSection, std::move(section), {}, {}}; }

std::string ProfileDirectory() {
  // Relative values of XDG_CONFIG_HOME are invalid and ignored, as the XDG
  // rules ask.
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/lumo";
  return HomeDirectory() + "/.config/lumo";
}

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* entry = ::getpwuid(::getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string ResolvePath(const std::string& fileName) {
  return IsBareName(fileName) ? ProfileDirectory() + "/" + fileName : fileName;
}

std::string GetString(const std::string& section, const std::string& key, const std::string& defaultText,
                      const std::string& fileName, std::size_t maxBytes) {
  std::string bytes;
  if (!ReadWithin(fileName, bytes, maxBytes)) return CutToBuffer(defaultText);
  const std::optional<std::string_view> value = FindValue(bytes, section, key);
  return CutToBuffer(value ? *value : std::string_view(defaultText));
}

int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue,
               const std::string& fileName, std::size_t maxBytes) {
  std::string bytes;
  if (!ReadWithin(fileName, bytes, maxBytes)) return defaultValue;
  const std::optional<std::string_view> value = FindValue(bytes, section, key);
  return value ? ini::ReadDecimal(value->substr(0, kMaxStringResult)) : defaultValue;
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& fileName, std::size_t maxBytes) {
  return ApplyEdits({Edit::Set(section, key, value)}, fileName, nullptr, {IfMissing::Create, maxBytes});
}

bool DeleteSection(const std::string& section, const std::string& fileName, std::size_t maxBytes) {
  return ApplyEdits({Edit::Remove(section)}, fileName, nullptr, {IfMissing::Create, maxBytes});
}

bool ApplyEdits(const std::vector<Edit>& edits, const std::string& fileName, std::string* reason,
                const WriteRules& rules) {
  std::string ignored;
  std::string& why = reason != nullptr ? *reason : ignored;
  for (const Edit& edit : edits) {
    if (!CanWriteFaithfully(edit)) return Fail(why, UnwritableReason(edit));
  }
  if (edits.empty()) return true;
  const std::optional<std::string> target = platform::FollowLinks(ResolvePath(fileName));
  if (!target) return Fail(why, "The path runs through too many symbolic links.");
  std::string text;
  platform::FileStamp stamp;
  if (!ReadForWrite(*target, rules, text, stamp, why)) return false;
  // Nothing changed, nothing to write: a removal of a missing section leaves
  // even a missing file missing. Every SetKey changes a missing file.
  if (!ApplyEditsToText(edits, text)) return true;
  if (IsBareName(fileName)) {
    std::error_code error;
    std::filesystem::create_directories(ProfileDirectory(), error);
    if (error) return Fail(why, "The profile folder cannot be created.");
  }
  const platform::FileStamp* unchangedSince = rules.knownBytes != nullptr ? &stamp : nullptr;
  if (!platform::ReplaceFileContents(*target, text, &why, unchangedSince)) return false;
  if (rules.knownBytes != nullptr) {
    if (rules.replacedBytes != nullptr) *rules.replacedBytes = std::move(*rules.knownBytes);
    *rules.knownBytes = std::move(text);
  }
  return true;
}

}  // namespace lumo::profile
