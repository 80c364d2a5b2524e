#include "core/ini/ini_section.h"

#include <utility>

#include "core/platform/ini_number.h"

namespace lumo {

IniSection::IniSection(std::string name) : name_(std::move(name)) {}

std::unique_ptr<std::vector<IniSection::Stretch>> IniSection::CopyOf(
    const std::unique_ptr<std::vector<Stretch>>& stretches) {
  return stretches != nullptr ? std::make_unique<std::vector<Stretch>>(*stretches) : nullptr;
}

IniSection::IniSection(const IniSection& other)
    : name_(other.name_), loaded_(other.loaded_), first_(other.first_), more_(CopyOf(other.more_)),
      keyLines_(other.keyLines_) {
  // A loaded section's listing is not content: the copy makes its own when asked.
  if (!other.IsRaw() && other.entries_ != nullptr) entries_ = std::make_unique<IniEntries>(*other.entries_);
}

IniSection& IniSection::operator=(const IniSection& other) {
  if (this == &other) return *this;
  name_ = other.name_;
  loaded_ = other.loaded_;
  first_ = other.first_;
  more_ = CopyOf(other.more_);
  keyLines_ = other.keyLines_;
  if (other.IsRaw() || other.entries_ == nullptr) {
    entries_.reset();
  } else if (entries_ != nullptr) {
    *entries_ = *other.entries_;  // reuses this section's buffers, as enumerations assign many in turn
  } else {
    entries_ = std::make_unique<IniEntries>(*other.entries_);
  }
  return *this;
}

IniSection::~IniSection() = default;

const std::string& IniSection::GetName() const { return name_; }

std::string IniSection::GetString(const std::string& key, const std::string& defaultText) const {
  const std::optional<std::string_view> value = Find(key);
  return value ? std::string(*value) : defaultText;
}

int32_t IniSection::GetInt(const std::string& key, int32_t defaultValue) const {
  const std::optional<std::string_view> value = Find(key);
  return value ? ini::ReadDecimal(*value) : defaultValue;
}

std::optional<std::string_view> IniSection::Find(std::string_view key) const {
  // Most keys fit the short-string buffer, so folding rarely allocates.
  const std::string folded = FoldCase(key);
  if (!IsRaw()) return entries_ != nullptr ? entries_->Find(folded) : std::nullopt;
  // A key line starts with its key, so only lines whose first character
  // past the blanks is the key's (or '=' for the empty key) are parsed.
  const char lead = folded.empty() ? '=' : folded.front();
  std::optional<std::string_view> found;
  ForEachLineText([&](std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && ini::IsBlank(text[first])) ++first;
    if (first == text.size() || FoldChar(text[first]) != lead) return;
    const ini::ParsedLine line = ini::ParseLine(text);
    if (line.kind == ini::LineKind::Key && EqualsFolded(line.name, folded)) found = line.value;
  });
  return found;
}

std::string_view IniSection::Folded(std::string_view key, std::string& buffer) {
  for (const char c : key) {
    if (FoldChar(c) != c) {
      buffer.assign(key);
      FoldCaseInPlace(buffer);
      return buffer;
    }
  }
  return key;
}

std::size_t IniSection::KeyCount() const {
  if (IsRaw() && entries_ == nullptr) entries_ = ReadEntries();
  return entries_ != nullptr ? entries_->Size() : 0;
}

std::pair<std::string_view, std::string_view> IniSection::EntryAt(std::size_t i) const {
  if (IsRaw() && entries_ == nullptr) entries_ = ReadEntries();
  return entries_->At(i);
}

void IniSection::AddLoadedLines(const std::shared_ptr<const std::string>& loaded, std::size_t begin,
                                std::size_t end, uint32_t keyLines) {
  const Stretch stretch{static_cast<uint32_t>(begin), static_cast<uint32_t>(end)};
  if (!IsRaw() && entries_ != nullptr) {
    // Already a table: the lines go straight into it.
    IniSection more;
    more.AddLoadedLines(loaded, begin, end, keyLines);
    more.ForEachAssignment([this](std::string_view key, std::string_view value) { entries_->Set(key, value); });
    return;
  }
  if (IsRaw()) {
    if (more_ == nullptr) more_ = std::make_unique<std::vector<Stretch>>();
    more_->push_back(stretch);
    entries_.reset();  // a listing made meanwhile (by the duplicate hook) lacks these lines
  } else {
    loaded_ = loaded;
    first_ = stretch;
  }
  keyLines_ += keyLines;
  if (keyLines_ > kMaxRawKeyLines) Materialise();
}

std::unique_ptr<IniEntries> IniSection::ReadEntries() const {
  auto entries = std::make_unique<IniEntries>();
  ForEachAssignment([&](std::string_view key, std::string_view value) { entries->Set(key, value); });
  return entries;
}

void IniSection::Materialise() {
  if (!IsRaw()) return;
  if (entries_ == nullptr) entries_ = ReadEntries();
  loaded_.reset();
  first_ = Stretch{};
  more_.reset();
  keyLines_ = 0;
}

void IniSection::SetFolded(std::string_view foldedKey, std::string_view value) {
  Materialise();
  if (entries_ == nullptr) entries_ = std::make_unique<IniEntries>();
  entries_->Set(foldedKey, value);
}

}  // namespace lumo
