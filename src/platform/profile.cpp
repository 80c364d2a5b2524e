#include "platform/profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "catalogue/ini_number.h"
#include "platform/atomic_file.h"
#include "platform/profile_text.h"

namespace lumo::profile {
namespace {

// What the platform's call returns through a 1024-byte buffer.
constexpr std::size_t kMaxStringResult = 1023;

bool IsBareName(const std::string& fileName) { return fileName.find('/') == std::string::npos; }

std::string HomeDirectory() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* entry = ::getpwuid(::getuid());
  return entry != nullptr && entry->pw_dir != nullptr ? entry->pw_dir : "";
}

std::string CutToBuffer(std::string_view text) {
  return std::string(text.substr(0, kMaxStringResult));
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

std::string ResolvePath(const std::string& fileName) {
  return IsBareName(fileName) ? ProfileDirectory() + "/" + fileName : fileName;
}

std::string GetString(const std::string& section, const std::string& key, const std::string& defaultText,
                      const std::string& fileName) {
  std::string bytes;
  if (platform::ReadFileBytes(ResolvePath(fileName), bytes) != platform::ReadStatus::Read) {
    return CutToBuffer(defaultText);
  }
  const std::optional<std::string_view> value = FindValue(bytes, section, key);
  return CutToBuffer(value ? *value : std::string_view(defaultText));
}

int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue,
               const std::string& fileName) {
  std::string bytes;
  if (platform::ReadFileBytes(ResolvePath(fileName), bytes) != platform::ReadStatus::Read) return defaultValue;
  const std::optional<std::string_view> value = FindValue(bytes, section, key);
  return value ? ini::ReadDecimal(value->substr(0, kMaxStringResult)) : defaultValue;
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& fileName) {
  return ApplyEdits({Edit::Set(section, key, value)}, fileName);
}

bool DeleteSection(const std::string& section, const std::string& fileName) {
  return ApplyEdits({Edit::Remove(section)}, fileName);
}

bool ApplyEdits(const std::vector<Edit>& edits, const std::string& fileName) {
  for (const Edit& edit : edits) {
    if (!CanWriteFaithfully(edit)) return false;
  }
  if (edits.empty()) return true;
  const std::optional<std::string> target = platform::FollowLinks(ResolvePath(fileName));
  if (!target) return false;
  std::string text;
  const platform::ReadStatus status = platform::ReadFileBytes(*target, text);
  if (status == platform::ReadStatus::Failed) return false;
  // Nothing changed, nothing to write: a removal of a missing section leaves
  // even a missing file missing. Every SetKey changes a missing file.
  bool changed = false;
  for (const Edit& edit : edits) changed = ApplyEdit(edit, text) || changed;
  if (!changed) return true;
  if (IsBareName(fileName)) {
    std::error_code error;
    std::filesystem::create_directories(ProfileDirectory(), error);
    if (error) return false;
  }
  return platform::ReplaceFileContents(*target, text);
}

}  // namespace lumo::profile
