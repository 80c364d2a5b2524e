#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/ini/ini_entries.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/text_fold.h"

namespace lumo {

// The bytes of a loaded file, never changed, shared by the document that
// loaded them, the copies of its sections and whoever keeps views into them.
struct LoadedFileBytes : std::enable_shared_from_this<LoadedFileBytes> {
  explicit LoadedFileBytes(std::string loaded) : bytes(std::move(loaded)), text(ini::TextPart(bytes)) {}
  const std::string bytes;
  const std::string_view text;  // the part of `bytes` read as lines (see ini::TextPart)
  // The document whose sections lie in these bytes, while one does: null
  // once it has loaded another file or is gone.
  mutable const void* holder = nullptr;
};

// One section of an INI file in memory: its name as first written and its
// keys (folded to lower case) with their values exactly as read or written.
// A plain value: a copy holds the same content and never changes with the
// original.
//
// A section as loaded keeps no copy of its name or keys: it refers to its
// header and lines in the loaded file's bytes and reads them when asked, the
// last value of a key winning. Only its first change turns it into a table
// of its own. A document holds millions of sections in little room this
// way: one as loaded relies on its document for the bytes, while a copy
// of it takes a share in them.
class IniSection {
 public:
  explicit IniSection(std::string name = {});
  IniSection(const IniSection& other);
  IniSection& operator=(const IniSection& other);
  IniSection(IniSection&& other) noexcept = default;
  IniSection& operator=(IniSection&& other) noexcept = default;
  ~IniSection();

  // The name with the letter case of the header (or write) that made it.
  std::string GetName() const;
  // The same as a view: for a section as loaded it points into the loaded
  // bytes (and lives as long as they do); otherwise it is valid until the
  // section changes.
  std::string_view Name() const noexcept;

  // The value of `key`, matched in any letter case, or `defaultText`.
  std::string GetString(const std::string& key, const std::string& defaultText) const;

  // The value of `key` read as a decimal integer (see ini::ReadDecimal; a
  // value without digits gives 0), or `defaultValue` when the key is missing.
  int32_t GetInt(const std::string& key, int32_t defaultValue) const;

  // The value of `key` in any letter case, or nothing. For a section as
  // loaded the view points into the loaded bytes and stays valid as long as
  // they live; otherwise it is valid until the section changes.
  std::optional<std::string_view> Find(std::string_view key) const;

  // How many keys the section holds, and key (folded) and value of the i-th
  // (0 <= i < KeyCount()), in the order the keys first appeared; the views
  // are valid until the section changes. For a section as loaded the first
  // call lists the keys in a table the section keeps: walking the keys with
  // ForEachAssignment costs nothing of the kind.
  std::size_t KeyCount() const;
  std::pair<std::string_view, std::string_view> EntryAt(std::size_t i) const;

  // Calls `visit(foldedKey, value)` for the section's keys, each at least
  // once: for a section as loaded every key line in file order, repeats
  // included; otherwise each key once. A key that comes more than once comes
  // last with its current value, so applying the calls in order gives the
  // section's content. The key's view lasts for the call only; the value's
  // as for Find. The section must not change meanwhile.
  template <typename Visit>
  void ForEachAssignment(Visit&& visit) const {
    if (IsRaw()) {
      std::string buffer;  // reused: keys are short, so this rarely allocates
      ForEachKeyLine([&](std::string_view key, std::string_view value) { visit(Folded(key, buffer), value); });
      return;
    }
    const IniEntries* entries = Entries();
    for (std::size_t i = 0; entries != nullptr && i < entries->Size(); ++i) {
      const auto [key, value] = entries->At(i);
      visit(key, value);
    }
  }

 private:
  friend class IniDocument;

  // Byte offsets in the loaded bytes: from the first key line under one
  // header to the end of the last (a loaded file is at most 1 GB), or of a
  // section's name in its header.
  struct Stretch {
    uint32_t begin = 0;
    uint32_t end = 0;
  };

  // What few sections have, so that the many as loaded stay small.
  struct Rest {
    std::shared_ptr<const LoadedFileBytes> share;  // a copy's share in the loaded bytes
    std::string name;             // a name that does not lie in the loaded bytes
    std::vector<Stretch> more;    // lines under later headers of the same name
    // The keys once changed; for a section as loaded, the listing KeyCount
    // and EntryAt made, if any.
    std::unique_ptr<IniEntries> entries;
  };

  // A section as loaded from `file`, named by the header line that begins at
  // `headerBegin` in its bytes, without key lines so far.
  IniSection(const LoadedFileBytes& file, std::size_t headerBegin);

  bool IsRaw() const noexcept { return loaded_ != nullptr; }
  Rest& Rests() const;
  IniEntries* Entries() const noexcept { return rest_ != nullptr ? rest_->entries.get() : nullptr; }
  void CopyFrom(const IniSection& other);

  // `key` folded: itself when it is (as most keys are), else its folded copy in `buffer`.
  static std::string_view Folded(std::string_view key, std::string& buffer);

  // Calls `visit(keyAsWritten, value)` for every key line of a section as
  // loaded, in file order.
  template <typename Visit>
  void ForEachKeyLine(Visit&& visit) const {
    ForEachLineText([&](std::string_view text) {
      const ini::ParsedLine line = ini::ParseLine(text);
      if (line.kind == ini::LineKind::Key) visit(line.name, line.value);
    });
  }

  // Calls `visit(lineText)` for every line of a section as loaded, in file order.
  template <typename Visit>
  void ForEachLineText(Visit&& visit) const {
    const std::string_view all(loaded_->bytes);
    auto walk = [&](Stretch stretch) {
      ini::ForEachLine(all.substr(stretch.begin, stretch.end - stretch.begin), [&](const ini::RawLine& raw) {
        visit(raw.text);
        return true;
      });
    };
    if (linesEnd_ != 0) walk(Stretch{static_cast<uint32_t>(HeaderLine().end), linesEnd_});
    if (rest_ != nullptr) {
      for (const Stretch& stretch : rest_->more) walk(stretch);
    }
  }

  // Adds the key lines in [begin, end) of the loaded bytes to a section as
  // loaded (the loader's call, once per header with key lines under it, in
  // file order); `underFirstHeader` when they follow the header that named it.
  void AddLoadedLines(std::size_t begin, std::size_t end, bool underFirstHeader);
  // The header line that named a section as loaded, found again in the loaded bytes.
  ini::RawLine HeaderLine() const noexcept;
  // The keys of a section as loaded, in a table of their own.
  std::unique_ptr<IniEntries> ReadEntries() const;
  // Turns a section as loaded into a table of its own; no change otherwise.
  void Materialise();
  // Sets an already folded key, replacing an earlier value.
  void SetFolded(std::string_view foldedKey, std::string_view value);

  // Set while the section is as loaded: the bytes its header and lines lie
  // in, kept alive by its document, or by its share for a copy.
  const LoadedFileBytes* loaded_ = nullptr;
  mutable std::unique_ptr<Rest> rest_;
  // Where the header that named it begins: its name is read from there
  // again rather than kept, as millions of sections may be loaded.
  uint32_t header_ = 0;
  // The end of the key lines under that header, which run from the line
  // after it; 0 when it has none.
  uint32_t linesEnd_ = 0;
};

}  // namespace lumo
