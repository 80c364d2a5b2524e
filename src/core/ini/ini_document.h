#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ini/bucket_map.h"
#include "core/ini/ini_section.h"
#include "core/platform/profile.h"
#include "core/platform/text_fold.h"

namespace lumo {

// An INI file bound to one path, in one of two modes.
//
// Pass-through (the state after construction, and after a failed Load):
// every read and write goes straight to the profile functions
// (platform/profile.h) on the path; a bare file name therefore lives in the
// profile directory.
//
// Loaded (after a successful Load): reads are answered from memory; writes
// change memory first and then, in the same call, the file through the
// profile functions, whose result they return. When the file write fails,
// memory keeps the change; ApplyEdits instead changes memory only after the
// file has taken the change. In loaded mode a write never makes the file
// anew: a file that has gone since the load is a failure. Nor does it write
// over another program's change: unless the file still holds exactly the
// bytes of the last load or write, the write is refused and the file is left
// as the other program made it.
//
// Section and key names match in any letter case; values are kept exactly.
// Sections enumerate in the classic 17-bucket hash order (see BucketMap).
// Not thread-safe.
class IniDocument {
 public:
  // Where an enumeration stands; false when there is no (further) section.
  // Only meaningful while the document is not changed; a position left over
  // from before a change never reads out of bounds.
  class Position {
   public:
    Position() = default;
    explicit operator bool() const noexcept { return cursor_ != kEnd; }

   private:
    friend class IniDocument;
    static constexpr uint32_t kEnd = UINT32_MAX;
    explicit Position(uint32_t cursor) noexcept : cursor_(cursor) {}
    uint32_t cursor_ = kEnd;
  };

  using ProgressHook = std::function<void(int percent)>;
  using DuplicateSectionHook = std::function<void(const std::string& nameAsWritten, const IniSection& existing)>;

  // An empty `fileName` means the executable's base name (without directory
  // and without the text from its last dot on) followed by ".ini".
  explicit IniDocument(const std::string& fileName = {});
  virtual ~IniDocument();
  IniDocument(const IniDocument&) = delete;
  IniDocument& operator=(const IniDocument&) = delete;

  // Changes only the path (same rule as the constructor), not the mode or
  // the sections in memory.
  void SetFile(const std::string& fileName);
  const std::string& GetFile() const;
  bool IsLoaded() const;
  // The file's bytes as this document last loaded or wrote them; empty in
  // pass-through mode. Valid until the next load or write.
  const std::string& FileBytes() const;
  // The bytes of the last successful load, never changed afterwards, or
  // null. Sections as loaded refer into them, and the views they hand out
  // (IniSection::Find, ForEachAssignment) point into them; whoever keeps
  // such a view past the next change of the document keeps these too.
  std::shared_ptr<const std::string> LoadedBytes() const;
  // The same with the note of whether this document still holds sections
  // in them (LoadedFileBytes::holder), for whoever may outlive it.
  std::shared_ptr<const LoadedFileBytes> LoadedFile() const { return loadedFile_; }

  // Why the last Load failed.
  enum class LoadProblem { None, CannotRead, TooLarge };

  // Reads the whole file (up to the first Ctrl-Z) into memory and switches to
  // loaded mode; true on success. When the file cannot be opened or read, or
  // holds more than profile::kMaxDataFileBytes, the result is false
  // (LastLoadProblem says which), the document is in pass-through mode and
  // the sections in memory are exactly those from before. A successful load
  // also removes the temporary files that crashed writers left beside the
  // file (platform::RemoveStaleTempFiles). `progress` gets 1, 2, 3, ... at
  // most once per line as each further hundredth of the file's length is
  // read (never above 100), then 100 at the end. `duplicate` gets every header
  // whose section was already seen, with that section.
  bool Load(const ProgressHook& progress = {}, const DuplicateSectionHook& duplicate = {});
  LoadProblem LastLoadProblem() const noexcept { return loadProblem_; }
  // Takes `bytes`, which the caller has just written to the file itself, as
  // a successful Load would have read them back (without hooks), sparing
  // the second read.
  void Adopt(std::string bytes);
  // Puts `text` in place of the loaded file in one replacement, if the file
  // still holds what this document last read or wrote (else the failure
  // says so, and nothing is written). The document itself stays as it was:
  // `written`, when given, gets the bytes now in the file, for Adopt.
  Message ReplaceFileWith(std::string text, std::optional<std::string>* written = nullptr) const;

  // The value, or `defaultText` when the section or key is missing.
  std::string GetString(const std::string& section, const std::string& key, const std::string& defaultText) const;
  // The value as a decimal integer (a value without digits gives 0), or
  // `defaultValue` when the section or key is missing.
  int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue) const;

  // Sets the key (creating the section, named as passed, when missing);
  // returns the file write's result.
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  // WriteString with the value formatted by ini::FormatInteger; false, and
  // nothing written, when `radix` is outside 2..36.
  bool WriteInt(const std::string& section, const std::string& key, int32_t value, int16_t radix = 10);
  // Removes the section and its keys; returns the file write's result.
  bool DeleteSection(const std::string& section);
  // One change of the file made of several edits: the file takes all of them
  // in one replacement first, and only then, in loaded mode, does memory
  // take them too (a large batch by reading the new bytes as Adopt does). False (with `failure` saying why, when given) leaves both
  // the file and memory exactly as they were. In loaded mode `replaced`,
  // when given, receives the file's bytes from before a write that changed it.
  bool ApplyEdits(const std::vector<profile::Edit>& edits, Message* failure = nullptr,
                  std::optional<std::string>* replaced = nullptr);
  // The same for a packed batch; `replaced` gets the old bytes shared, with
  // the document while it still holds them as loaded.
  bool ApplyEditBatch(const profile::EditBatch& edits, Message* failure = nullptr,
                      std::shared_ptr<const std::string>* replaced = nullptr);

  // Enumeration of the sections in memory (in either mode).
  Position FirstSection() const;
  // Copies the section at `position` into `target` and advances; at the end
  // (or for a stale position) `position` becomes false.
  void NextSection(Position& position, IniSection& target) const;

  // The section at `position`, without copying it, or null at the end (or
  // for a stale position); valid until the document changes.
  const IniSection* SectionAt(Position position) const;
  // The position after `position` in the enumeration.
  Position After(Position position) const;

  // Calls `visit` with each section in memory, in enumeration order,
  // without copying it. The document must not change meanwhile.
  void ForEachSection(const std::function<void(const IniSection&)>& visit) const;

  // The section in memory whose name matches in any letter case, or nullptr;
  // valid until the document changes.
  const IniSection* FindSection(std::string_view section) const;
  std::size_t SectionCount() const noexcept;
  // Gives back the memory that finds sections by name, for a reader that
  // only walks the sections from now on (a listing of a large file); the
  // next look-up or change by name makes it again.
  void DropNameIndex() noexcept;

 private:
  // Sections are found by their own names, folded: the map keeps no copy.
  struct SectionNames {
    struct Stored {};
    static void Store(Stored&, std::string_view) {}
    static bool Matches(const Stored&, const IniSection& section, std::string_view folded) noexcept {
      return EqualsFolded(section.Name(), folded);
    }
    static std::string_view KeyOf(const Stored&, const IniSection& section, std::string& buffer) {
      buffer.assign(section.Name());
      FoldCaseInPlace(buffer);
      return buffer;
    }
  };
  using SectionMap = BucketMap<IniSection, SectionNames>;

  void Take(std::string bytes, const ProgressHook& progress, const DuplicateSectionHook& duplicate);
  static void ParseInto(const LoadedFileBytes& file, const ProgressHook& progress,
                        const DuplicateSectionHook& duplicate, SectionMap& sections);
  // The section a header names, new or met before, and whether it is new.
  static std::pair<SectionMap::Cursor, bool> EnterSection(const LoadedFileBytes& file, std::size_t headerBegin,
                                                          std::string_view nameAsWritten, std::string& folded,
                                                          const DuplicateSectionHook& duplicate, SectionMap& sections);
  IniSection& SectionForWrite(std::string_view section);
  void ApplyInMemory(const profile::EditRef& edit);
  // Passes on a write's result, noting when memory has a change the file lacks.
  bool KeepTrack(bool written);
  bool WriteFile(const profile::EditBatch& edits, Message* failure, std::shared_ptr<const std::string>* replaced);

  std::string path_;
  bool loaded_ = false;
  LoadProblem loadProblem_ = LoadProblem::None;
  std::shared_ptr<const LoadedFileBytes> loadedFile_;
  // The file's bytes as last written, in loaded mode; until the first write
  // they are the loaded bytes, and onDisk_ stays empty rather than copy them.
  // Writes are checked against them where they are.
  std::string onDisk_;
  bool onDiskIsLoaded_ = false;
  // Memory holds what the file's bytes read; false once a write that
  // changed memory first failed on the file.
  bool memoryIsFile_ = false;
  SectionMap sections_;
};

}  // namespace lumo
