#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/atomic_file.h"
#include "core/platform/message_id.h"
#include "core/platform/replacement_file.h"

// The private-profile functions: reading and writing single keys of an INI
// file on disk, and removing sections.
//
// Paths: a bare file name (no directory part) lives in the profile directory
// (ProfileDirectory()), which is created on the first write; any other name
// is a path as given.
//
// Reading follows exactly the line rules of platform/ini_syntax.h, the same
// rules IniDocument::Load uses, so a write is always seen by the next load.
// Section and key names match without regard to letter case (Windows-1252
// folding); a section may occur under several headers, and the last value of
// a key wins, as in Load.
//
// Writing never loses data: every byte the write does not change stays as it
// was (other lines, comments, line ends, bytes after Ctrl-Z), and the file is
// replaced in one step (temporary file in the same folder, flushed, renamed
// over the original, permissions kept; a symbolic link is written through to
// its target, which is created when missing). After a crash the old or the
// new file is there whole; a hidden ".<name>.lumo-XXXXXX" left beside it is
// never read. A write returns false and changes nothing when the file or its
// folder cannot be written, the folder is missing (other than the profile
// directory), the disk is full, or the arguments could not be read back as
// written: CR, LF, NUL or Ctrl-Z in a section, key or value, "=" in a key, a
// key that begins with a blank, ";" or "[", a value that ends with a blank,
// an empty section name. A file without any write permission bit is
// write-protected even for root, and so is a folder without one. A write
// that would change no byte succeeds without touching the file.
//
// Layout of what is written: a replaced line keeps its indentation, key
// spelling and line end; a new key goes after the last line of the
// section's last occurrence that is neither blank nor a comment; a new
// section is appended at the end of the text (before any Ctrl-Z). New lines
// use the line end of the file's first line, CRLF when it has none.
namespace lumo::profile {

// The largest files held in memory; every call below takes its limit, the
// settings one unless told otherwise. A file beyond it is not what the
// caller means to read (a settings file beyond 1 MB is not ours, or is
// damaged): reads take it as missing, and writes refuse to replace what
// they could not read.
inline constexpr std::size_t kMaxSettingsFileBytes = std::size_t{1} << 20;  // 1 MB
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{1} << 30;      // 1 GB

// $XDG_CONFIG_HOME/lumo, else $HOME/.config/lumo (on Windows the roaming
// application-data folder). Not created here.
std::string ProfileDirectory();

// $HOME, else the home folder of the user's password entry.
std::string HomeDirectory();

// The path a file name refers to: bare names inside ProfileDirectory().
std::string ResolvePath(const std::string& fileName);

// The value of the key, or `defaultText` when the file, section or key is
// missing (a file over `maxBytes` counts as missing). Like the platform's
// call with a 1024-byte buffer, the result holds at most 1023 bytes.
std::string GetString(const std::string& section, const std::string& key,
                      const std::string& defaultText, const std::string& fileName,
                      std::size_t maxBytes = kMaxSettingsFileBytes);

// The value read as an integer: leading blanks, an optional sign, decimal
// digits; a present value without digits gives 0. `defaultValue` when the
// file, section or key is missing (as for GetString).
int32_t GetInt(const std::string& section, const std::string& key, int32_t defaultValue,
               const std::string& fileName, std::size_t maxBytes = kMaxSettingsFileBytes);

// Sets the key in every occurrence of the section (adding it to the last
// occurrence when missing, and appending the section when missing).
bool WriteString(const std::string& section, const std::string& key, const std::string& value,
                 const std::string& fileName, std::size_t maxBytes = kMaxSettingsFileBytes);

// Removes every occurrence of the section: headers and all their lines. A
// missing section (or file) is a success that writes nothing.
bool DeleteSection(const std::string& section, const std::string& fileName,
                   std::size_t maxBytes = kMaxSettingsFileBytes);

// One change of a batch.
struct Edit {
  enum class Kind { SetKey, RemoveSection };
  Kind kind = Kind::SetKey;
  std::string section;
  std::string key;    // SetKey only
  std::string value;  // SetKey only

  static Edit Set(std::string section, std::string key, std::string value);
  static Edit Remove(std::string section);
};

// A look at one edit, of an Edit or of an EditBatch; valid as long as what
// it looks at is unchanged.
struct EditRef {
  Edit::Kind kind = Edit::Kind::SetKey;
  std::string_view section;
  std::string_view key;    // SetKey only
  std::string_view value;  // SetKey only
};

// Edits in order, their texts packed into large blocks: a batch of a hundred
// thousand names costs a few allocations, not one or more per name, and
// grows without moving what it holds.
class EditBatch {
 public:
  EditBatch() = default;
  // The same edits, copied.
  explicit EditBatch(const std::vector<Edit>& edits);

  // Adds an edit at the end. Throws std::length_error for a text of 4 GB or more.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  void Remove(std::string_view section);

  std::size_t size() const noexcept { return entries_.size(); }
  bool empty() const noexcept { return entries_.empty(); }
  // The i-th edit (0 <= i < size()); valid as long as the batch.
  EditRef operator[](std::size_t i) const noexcept;

 private:
  struct Entry {
    uint32_t block = 0;  // in blocks_, from `at`: the section's bytes, the key's, the value's
    uint32_t at = 0;
    uint32_t sectionLength = 0;
    uint32_t keyLength = 0;
    uint32_t valueLength = 0;
    Edit::Kind kind = Edit::Kind::SetKey;
  };
  void Add(Edit::Kind kind, std::string_view section, std::string_view key, std::string_view value);

  std::vector<std::string> blocks_;  // never grown past their first capacity
  std::deque<Entry> entries_;
};

// What a write does when the file is not there (see platform::IfMissing).
using IfMissing = platform::IfMissing;

// How ApplyEdits treats the file it changes.
struct WriteRules {
  IfMissing ifMissing = IfMissing::Create;
  std::size_t maxBytes = kMaxSettingsFileBytes;
  // The file's bytes as the caller last read or wrote them. When given, the
  // write goes ahead only while the file still holds exactly these bytes
  // (the same bytes written again, or a touch, do not count); anything else
  // is another program's change, and the write is refused
  // (MessageId::WriteChangedMeanwhile).
  const std::string* knownBytes = nullptr;
  // When given, receives the new bytes of a write that changed the file;
  // untouched when nothing changed.
  std::optional<std::string>* writtenBytes = nullptr;
};

// Applies the edits in order, as WriteString and DeleteSection would one by
// one, but replaces the file once (platform::ReplaceIfUnchanged): afterwards
// it holds the result of all of them, or (false) it is unchanged. An empty
// batch succeeds without writing. On failure `failure`, when given, receives
// why (the file is write-protected, the disk is full, it was changed by
// another program, ...), as a message id of the Write... family.
bool ApplyEdits(const std::vector<Edit>& edits, const std::string& fileName, Message* failure = nullptr,
                const WriteRules& rules = {});
// The same for a packed batch.
bool ApplyEditBatch(const EditBatch& edits, const std::string& fileName, Message* failure = nullptr,
                    const WriteRules& rules = {});

}  // namespace lumo::profile
