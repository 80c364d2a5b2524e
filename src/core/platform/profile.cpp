#include "core/platform/profile.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>

#include "core/platform/atomic_file.h"
#include "core/platform/profile_text.h"
#include "core/platform/safe_replace.h"

namespace lumo::profile {
namespace {

// What the platform's call returns through a 1024-byte buffer.
constexpr std::size_t kMaxStringResult = 1023;

bool IsBareName(const std::string& fileName) { return fileName.find('/') == std::string::npos; }

// A file too large to be what the caller reads counts as missing.
bool ReadWithin(const std::string& fileName, std::string& bytes, std::size_t maxBytes) {
  return platform::ReadFileBytes(ResolvePath(fileName), bytes, maxBytes) == platform::ReadStatus::Read;
}

std::string CutToBuffer(std::string_view text) {
  return std::string(text.substr(0, kMaxStringResult));
}

// Why an edit cannot be written: its section name (for cdplayer.ini the
// disc's CD key) or the text itself.
MessageId UnwritableReason(const EditRef& edit) {
  if (edit.section.empty() || HasLineBreakingByte(edit.section)) return MessageId::WriteBadSection;
  return MessageId::WriteBadText;
}

bool Refuse(Message* failure, Message why) {
  if (failure != nullptr) *failure = std::move(why);
  return false;
}

}  // namespace

Edit Edit::Set(std::string section, std::string key, std::string value) {
  return Edit{Kind::SetKey, std::move(section), std::move(key), std::move(value)};
}

Edit Edit::Remove(std::string section) { return Edit{Kind::RemoveSection, std::move(section), {}, {}}; }

EditBatch::EditBatch(const std::vector<Edit>& edits) {
  for (const Edit& edit : edits) Add(edit.kind, edit.section, edit.key, edit.value);
}

void EditBatch::Set(std::string_view section, std::string_view key, std::string_view value) {
  Add(Edit::Kind::SetKey, section, key, value);
}

void EditBatch::Remove(std::string_view section) { Add(Edit::Kind::RemoveSection, section, {}, {}); }

void EditBatch::Add(Edit::Kind kind, std::string_view section, std::string_view key, std::string_view value) {
  // Below the size the allocator maps on its own: blocks come from the heap.
  constexpr std::size_t kBlockBytes = std::size_t{60} << 10;
  constexpr std::size_t kMaxText = std::numeric_limits<uint32_t>::max();
  if (section.size() > kMaxText || key.size() > kMaxText || value.size() > kMaxText ||
      blocks_.size() >= kMaxText) {
    throw std::length_error("edit text of 4 GB or more");
  }
  const std::size_t size = section.size() + key.size() + value.size();
  if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < size) {
    // A one-name rename takes what it needs; a large batch's blocks double
    // up to kBlockBytes.
    const std::size_t room = blocks_.empty() ? size : std::min(kBlockBytes, 2 * blocks_.back().capacity());
    blocks_.emplace_back().reserve(std::max(size, room));
  }
  std::string& block = blocks_.back();
  entries_.push_back({static_cast<uint32_t>(blocks_.size() - 1), static_cast<uint32_t>(block.size()),
                      static_cast<uint32_t>(section.size()), static_cast<uint32_t>(key.size()),
                      static_cast<uint32_t>(value.size()), kind});
  block.append(section).append(key).append(value);
}

EditRef EditBatch::operator[](std::size_t i) const noexcept {
  const Entry& entry = entries_[i];
  const std::string_view block(blocks_[entry.block]);
  const std::size_t keyAt = entry.at + entry.sectionLength;
  return {entry.kind, block.substr(entry.at, entry.sectionLength), block.substr(keyAt, entry.keyLength),
          block.substr(keyAt + entry.keyLength, entry.valueLength)};
}

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
  return StringValue(bytes, section, key).value_or(CutToBuffer(defaultText));
}

int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue,
               const std::string& fileName, std::size_t maxBytes) {
  std::string bytes;
  if (!ReadWithin(fileName, bytes, maxBytes)) return defaultValue;
  return IntValue(bytes, section, key, defaultValue);
}

bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& fileName, std::size_t maxBytes) {
  return ApplyEdits({Edit::Set(section, key, value)}, fileName, nullptr, {IfMissing::Create, maxBytes});
}

bool DeleteSection(const std::string& section, const std::string& fileName, std::size_t maxBytes) {
  return ApplyEdits({Edit::Remove(section)}, fileName, nullptr, {IfMissing::Create, maxBytes});
}

bool ApplyEdits(const std::vector<Edit>& edits, const std::string& fileName, Message* failure,
                const WriteRules& rules) {
  return ApplyEditBatch(EditBatch(edits), fileName, failure, rules);
}

bool ApplyEditBatch(const EditBatch& edits, const std::string& fileName, Message* failure,
                    const WriteRules& rules) {
  const std::string path = ResolvePath(fileName);
  for (std::size_t i = 0; i < edits.size(); ++i) {
    if (!CanWriteFaithfully(edits[i])) return Refuse(failure, {UnwritableReason(edits[i]), path, 0});
  }
  if (edits.empty()) return true;
  // Nothing changed, nothing to write: a removal of a missing section leaves
  // even a missing file missing. Every SetKey changes a missing file.
  const platform::Change change = [&](const std::string& current) { return EditedText(edits, current); };
  Message why = platform::ReplaceIfUnchanged(
      path, {rules.ifMissing, rules.maxBytes, rules.knownBytes, IsBareName(fileName)}, change, rules.writtenBytes);
  if (why.Failed()) return Refuse(failure, std::move(why));
  return true;
}

}  // namespace lumo::profile
