#include "core/ini/ini_section.h"

#include <utility>

#include "core/platform/ini_number.h"

namespace lumo {

// Most sections of a large file are as loaded and never changed.
static_assert(sizeof(void*) != 8 || sizeof(IniSection) <= 24, "a section grew past 24 bytes");

IniSection::IniSection(std::string name) {
  if (!name.empty()) Rests().name = std::move(name);
}

IniSection::IniSection(const LoadedFileBytes& file, std::size_t headerBegin)
    : loaded_(&file), header_(static_cast<uint32_t>(headerBegin)) {}

IniSection::IniSection(const IniSection& other) { CopyFrom(other); }

IniSection& IniSection::operator=(const IniSection& other) {
  if (this != &other) CopyFrom(other);
  return *this;
}

// Reuses this section's buffers where it can, as enumerations assign many in turn.
void IniSection::CopyFrom(const IniSection& other) {
  loaded_ = other.loaded_;
  header_ = other.header_;
  linesEnd_ = other.linesEnd_;
  if (other.rest_ == nullptr && !other.IsRaw()) {
    rest_.reset();
    return;
  }
  Rest& rest = Rests();
  const Rest* from = other.rest_.get();
  // A section as loaded held by its document has no share of its own.
  rest.share = from != nullptr && from->share != nullptr ? from->share
               : other.IsRaw()                         ? other.loaded_->shared_from_this()
                                                       : nullptr;
  rest.name = from != nullptr ? from->name : std::string();
  rest.more = from != nullptr ? from->more : std::vector<Stretch>();
  // A loaded section's listing is not content: the copy makes its own when asked.
  const IniEntries* entries = other.IsRaw() ? nullptr : other.Entries();
  if (entries == nullptr) {
    rest.entries.reset();
  } else if (rest.entries != nullptr) {
    *rest.entries = *entries;
  } else {
    rest.entries = std::make_unique<IniEntries>(*entries);
  }
}

IniSection::~IniSection() = default;

IniSection::Rest& IniSection::Rests() const {
  if (rest_ == nullptr) rest_ = std::make_unique<Rest>();
  return *rest_;
}

std::string IniSection::GetName() const { return std::string(Name()); }

std::string_view IniSection::Name() const noexcept {
  if (IsRaw()) return ini::ParseLine(HeaderLine().text).name;
  return rest_ != nullptr ? std::string_view(rest_->name) : std::string_view();
}

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
  if (!IsRaw()) return Entries() != nullptr ? Entries()->Find(folded) : std::nullopt;
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
  if (IsRaw() && Entries() == nullptr) Rests().entries = ReadEntries();
  return Entries() != nullptr ? Entries()->Size() : 0;
}

std::pair<std::string_view, std::string_view> IniSection::EntryAt(std::size_t i) const {
  if (IsRaw() && Entries() == nullptr) Rests().entries = ReadEntries();
  return Entries()->At(i);
}

ini::RawLine IniSection::HeaderLine() const noexcept {
  ini::RawLine header;
  ini::ForEachLine(loaded_->text.substr(header_), [&header](const ini::RawLine& raw) {
    header = raw;
    return false;
  });
  header.begin += header_;
  header.end += header_;
  return header;
}

void IniSection::AddLoadedLines(std::size_t begin, std::size_t end, bool underFirstHeader) {
  // Key lines never start the file, so a zero end is none.
  if (underFirstHeader) {
    linesEnd_ = static_cast<uint32_t>(end);
    return;
  }
  Rests().more.push_back(Stretch{static_cast<uint32_t>(begin), static_cast<uint32_t>(end)});
  rest_->entries.reset();  // a listing made meanwhile (by the duplicate hook) lacks these lines
}

std::unique_ptr<IniEntries> IniSection::ReadEntries() const {
  auto entries = std::make_unique<IniEntries>();
  ForEachAssignment([&](std::string_view key, std::string_view value) { entries->Set(key, value); });
  return entries;
}

void IniSection::Materialise() {
  if (!IsRaw()) return;
  Rest& rest = Rests();
  if (rest.entries == nullptr) rest.entries = ReadEntries();
  rest.name = std::string(Name());
  rest.share.reset();
  rest.more.clear();
  loaded_ = nullptr;
  header_ = 0;
  linesEnd_ = 0;
}

void IniSection::SetFolded(std::string_view foldedKey, std::string_view value) {
  Materialise();
  Rest& rest = Rests();
  if (rest.entries == nullptr) rest.entries = std::make_unique<IniEntries>();
  rest.entries->Set(foldedKey, value);
}

}  // namespace lumo
