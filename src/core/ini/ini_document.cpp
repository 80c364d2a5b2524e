#include "core/ini/ini_document.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>
#include <tuple>
#include <utility>

#include "core/platform/ini_number.h"
#include "core/platform/safe_replace.h"
#include "core/platform/atomic_file.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/profile.h"
#include "core/platform/text_fold.h"

namespace lumo {
namespace {

// The running program's name without its extension ("lumo").
std::string ExecutableBaseName() {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error || target.stem().empty()) return "lumo";
  return target.stem().string();
}

std::string PathOrDefault(const std::string& fileName) {
  return fileName.empty() ? ExecutableBaseName() + ".ini" : fileName;
}

// Counts the lines of a load and reports each further hundredth of the
// file's length to the hook, at most once per line.
class LoadProgress {
 public:
  LoadProgress(std::size_t fileLength, const IniDocument::ProgressHook& hook)
      : hook_(hook ? &hook : nullptr), step_(hook_ != nullptr ? fileLength / 100 : 0),
        counter_(hook_ != nullptr ? 1 : 0), threshold_(step_ * counter_) {}

  // Lines are counted with two bytes for their end whatever they really had,
  // and the step is rounded down, so the count can run past the file's
  // length (LF-only files, small files of blank lines); calls that would
  // report more than 100 percent are left out.
  void CountLine(std::size_t length) {
    bytesRead_ += length + 2;
    if (hook_ == nullptr || bytesRead_ < threshold_ || counter_ > 100) return;
    (*hook_)(static_cast<int>(counter_));
    ++counter_;
    threshold_ += step_;
  }

  void Finish() const {
    if (hook_ != nullptr) (*hook_)(100);
  }

 private:
  const IniDocument::ProgressHook* hook_;
  uint64_t step_;
  uint64_t counter_;
  uint64_t threshold_;
  uint64_t bytesRead_ = 0;
};

// The key lines under one header, as the load comes across them.
struct KeyStretch {
  std::size_t begin = 0;  // of the first key line
  std::size_t end = 0;    // of the last one, with its line end; 0: none yet

  void Take(const ini::RawLine& raw) {
    if (end == 0) begin = raw.begin;
    end = raw.end;
  }
};

// About how many sections a file holds, counted far faster than its lines
// are read: the lines that begin with "[". Capped, so that a file of little
// else than repeated headers cannot make the table reserve a fortune.
std::size_t ExpectedSectionCount(std::string_view text) {
  constexpr std::size_t kMaxReserved = std::size_t{1} << 20;
  std::size_t count = 0;
  for (std::size_t at = text.find('['); at != std::string_view::npos; at = text.find('[', at + 1)) {
    if (at == 0 || text[at - 1] == '\n') ++count;
  }
  return std::min({count, text.size() / 32, kMaxReserved});
}

}  // namespace

IniDocument::IniDocument(const std::string& fileName) : path_(PathOrDefault(fileName)) {}

IniDocument::~IniDocument() {
  if (loadedFile_) loadedFile_->holder = nullptr;
}

void IniDocument::SetFile(const std::string& fileName) { path_ = PathOrDefault(fileName); }

const std::string& IniDocument::GetFile() const { return path_; }

bool IniDocument::IsLoaded() const { return loaded_; }

const std::string& IniDocument::FileBytes() const {
  static const std::string kNone;
  if (!loaded_) return kNone;
  return onDiskIsLoaded_ ? loadedFile_->bytes : onDisk_;
}

std::shared_ptr<const std::string> IniDocument::LoadedBytes() const {
  if (!loadedFile_) return nullptr;
  return std::shared_ptr<const std::string>(loadedFile_, &loadedFile_->bytes);
}

bool IniDocument::Load(const ProgressHook& progress, const DuplicateSectionHook& duplicate) {
  // Resolved like the profile functions do, so a load always reads the file
  // that the writes go to.
  const std::string path = profile::ResolvePath(path_);
  std::string bytes;
  // A folder or a pipe counts as a file that cannot be opened; a pipe
  // must not hang the load.
  const platform::ReadStatus status = platform::ReadFileBytes(path, bytes, profile::kMaxDataFileBytes);
  if (status != platform::ReadStatus::Read) {
    loaded_ = false;
    std::string().swap(onDisk_);
    onDiskIsLoaded_ = false;
    loadProblem_ = status == platform::ReadStatus::TooLarge ? LoadProblem::TooLarge : LoadProblem::CannotRead;
    return false;
  }
  Take(std::move(bytes), progress, duplicate);
  // Left by writers that died mid-write; each may be as large as the file.
  if (const std::optional<std::string> target = platform::FollowLinks(path)) platform::RemoveStaleTempFiles(*target);
  return true;
}

void IniDocument::Adopt(std::string bytes) { Take(std::move(bytes), {}, {}); }

void IniDocument::Take(std::string bytes, const ProgressHook& progress, const DuplicateSectionHook& duplicate) {
  std::shared_ptr<const LoadedFileBytes> loaded = std::make_shared<LoadedFileBytes>(std::move(bytes));
  // Parsed into a fresh table and swapped in, so a hook that throws leaves
  // the old content in place.
  SectionMap fresh;
  ParseInto(*loaded, progress, duplicate, fresh);
  sections_ = std::move(fresh);
  if (loadedFile_) loadedFile_->holder = nullptr;
  loaded->holder = this;
  loadedFile_ = std::move(loaded);
  std::string().swap(onDisk_);
  onDiskIsLoaded_ = true;
  memoryIsFile_ = true;
  loaded_ = true;
  loadProblem_ = LoadProblem::None;
}

// Key lines are not read here: each section keeps where its name and key
// lines lie and reads them when asked.
static_assert(profile::kMaxDataFileBytes < UINT32_MAX, "sections keep 32-bit offsets into the loaded bytes");
void IniDocument::ParseInto(const LoadedFileBytes& file, const ProgressHook& progress,
                            const DuplicateSectionHook& duplicate, SectionMap& sections) {
  const std::string_view text = file.text;
  LoadProgress counter(file.bytes.size(), progress);
  std::string folded;  // reused for every name, so folding allocates rarely
  SectionMap::Cursor current = SectionMap::kNone;
  bool currentIsNew = false;  // the header just read named its section
  KeyStretch stretch;
  sections.Reserve(ExpectedSectionCount(text));
  const auto closeStretch = [&] {
    if (stretch.end != 0) sections.ValueAt(current).AddLoadedLines(stretch.begin, stretch.end, currentIsNew);
    stretch = KeyStretch{};
  };
  ini::ForEachLine(text, [&](const ini::RawLine& raw) {
    counter.CountLine(raw.text.size());
    const ini::ParsedLine line = ini::ParseLine(raw.text);
    if (line.kind == ini::LineKind::Header) {
      // Before the hook runs, so that it sees every key read so far.
      closeStretch();
      std::tie(current, currentIsNew) = EnterSection(file, raw.begin, line.name, folded, duplicate, sections);
    } else if (line.kind == ini::LineKind::Key && current != SectionMap::kNone) {
      // Key lines before the first header have no section and are dropped.
      stretch.Take(raw);
    }
    return true;
  });
  closeStretch();
  counter.Finish();
}

std::pair<IniDocument::SectionMap::Cursor, bool> IniDocument::EnterSection(
    const LoadedFileBytes& file, std::size_t headerBegin, std::string_view nameAsWritten, std::string& folded,
    const DuplicateSectionHook& duplicate, SectionMap& sections) {
  folded.assign(nameAsWritten);
  FoldCaseInPlace(folded);
  const auto [cursor, inserted] = sections.Emplace(folded);
  IniSection& section = sections.ValueAt(cursor);
  if (inserted) {
    // Named at once: the map finds sections by their names.
    section = IniSection(file, headerBegin);
  } else if (duplicate) {
    duplicate(std::string(nameAsWritten), section);
  }
  return {cursor, inserted};
}

std::string IniDocument::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultText) const {
  if (!loaded_) return profile::GetString(section, key, defaultText, path_);
  const IniSection* found = FindSection(section);
  return found != nullptr ? found->GetString(key, defaultText) : defaultText;
}

int32_t IniDocument::GetInt(const std::string& section, const std::string& key, int32_t defaultValue) const {
  if (!loaded_) return profile::GetInt(section, key, defaultValue, path_);
  const IniSection* found = FindSection(section);
  return found != nullptr ? found->GetInt(key, defaultValue) : defaultValue;
}

bool IniDocument::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  profile::EditBatch edit;
  edit.Set(section, key, value);
  if (loaded_) ApplyInMemory(edit[0]);
  return KeepTrack(WriteFile(edit, nullptr, nullptr));
}

bool IniDocument::WriteInt(const std::string& section, const std::string& key, int32_t value, int16_t radix) {
  const std::string text = ini::FormatInteger(value, radix);
  if (text.empty()) return false;
  return WriteString(section, key, text);
}

bool IniDocument::DeleteSection(const std::string& section) {
  profile::EditBatch edit;
  edit.Remove(section);
  if (loaded_) ApplyInMemory(edit[0]);
  return KeepTrack(WriteFile(edit, nullptr, nullptr));
}

bool IniDocument::KeepTrack(bool written) {
  if (!written) memoryIsFile_ = false;
  return written;
}

bool IniDocument::ApplyEdits(const std::vector<profile::Edit>& edits, Message* failure,
                             std::optional<std::string>* replaced) {
  std::shared_ptr<const std::string> before;
  const bool applied = ApplyEditBatch(profile::EditBatch(edits), failure, replaced != nullptr ? &before : nullptr);
  if (before != nullptr) *replaced = *before;
  return applied;
}

bool IniDocument::ApplyEditBatch(const profile::EditBatch& edits, Message* failure,
                                 std::shared_ptr<const std::string>* replaced) {
  std::shared_ptr<const std::string> before;
  if (!WriteFile(edits, failure, &before)) return false;
  if (replaced != nullptr) *replaced = before;
  if (!loaded_) return true;
  // Reading the new bytes again costs about as much as the load, and takes
  // far less memory than changing sections one by one: it pays once the
  // batch has an edit for every section.
  if (before != nullptr && memoryIsFile_ && edits.size() >= sections_.Size()) {
    Take(std::move(onDisk_), {}, {});
    return true;
  }
  for (std::size_t i = 0; i < edits.size(); ++i) ApplyInMemory(edits[i]);
  return true;
}

void IniDocument::ApplyInMemory(const profile::EditRef& edit) {
  if (edit.kind == profile::Edit::Kind::RemoveSection) {
    sections_.Erase(FoldCase(edit.section));
  } else {
    SectionForWrite(edit.section).SetFolded(FoldCase(edit.key), edit.value);
  }
}

// A loaded file that has gone is not made anew from one key: the
// collection it held would look lost. A loaded file changed by another
// program is not written over: its changes would be lost.
bool IniDocument::WriteFile(const profile::EditBatch& edits, Message* failure,
                            std::shared_ptr<const std::string>* replaced) {
  if (!loaded_) return profile::ApplyEditBatch(edits, path_, failure, {});
  std::optional<std::string> written;
  if (!profile::ApplyEditBatch(edits, path_, failure,
                               {profile::IfMissing::Refuse, profile::kMaxDataFileBytes, &FileBytes(), &written})) {
    return false;
  }
  if (!written) return true;
  if (replaced != nullptr) {
    *replaced = onDiskIsLoaded_ ? LoadedBytes() : std::make_shared<const std::string>(std::move(onDisk_));
  }
  onDisk_ = std::move(*written);
  onDiskIsLoaded_ = false;
  return true;
}

IniSection& IniDocument::SectionForWrite(std::string_view section) {
  const auto [cursor, inserted] = sections_.Emplace(FoldCase(section));
  IniSection& target = sections_.ValueAt(cursor);
  if (inserted) target = IniSection(std::string(section));
  return target;
}

IniDocument::Position IniDocument::FirstSection() const {
  const SectionMap::Cursor first = sections_.First();
  return first == SectionMap::kNone ? Position() : Position(first);
}

void IniDocument::NextSection(Position& position, IniSection& target) const {
  if (const IniSection* section = SectionAt(position)) target = *section;
  position = After(position);
}

const IniSection* IniDocument::SectionAt(Position position) const {
  if (!position || !sections_.IsLive(position.cursor_)) return nullptr;
  return &sections_.ValueAt(position.cursor_);
}

IniDocument::Position IniDocument::After(Position position) const {
  if (!position || !sections_.IsLive(position.cursor_)) return Position();
  const SectionMap::Cursor next = sections_.Next(position.cursor_);
  return next == SectionMap::kNone ? Position() : Position(next);
}

void IniDocument::ForEachSection(const std::function<void(const IniSection&)>& visit) const {
  for (SectionMap::Cursor at = sections_.First(); at != SectionMap::kNone; at = sections_.Next(at)) {
    visit(sections_.ValueAt(at));
  }
}

const IniSection* IniDocument::FindSection(std::string_view section) const {
  const SectionMap::Cursor cursor = sections_.Find(FoldCase(section));
  return cursor == SectionMap::kNone ? nullptr : &sections_.ValueAt(cursor);
}

Message IniDocument::ReplaceFileWith(std::string text, std::optional<std::string>* written) const {
  const platform::ReplaceRules rules{platform::IfMissing::Refuse, profile::kMaxDataFileBytes, &FileBytes()};
  return platform::ReplaceIfUnchanged(
      profile::ResolvePath(path_), rules,
      [&text](const std::string&) { return std::optional<std::string>(std::move(text)); }, written);
}

void IniDocument::DropNameIndex() noexcept { sections_.DropIndex(); }

std::size_t IniDocument::SectionCount() const noexcept { return sections_.Size(); }

}  // namespace lumo
