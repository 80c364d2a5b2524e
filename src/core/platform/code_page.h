#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The code page a collection's names are stored in: Windows-1252 unless the
// user chooses another. Names stay bytes in the core; they become text only
// where they meet the user, a report or a comparison, through the code page
// of the collection loaded.
namespace lumo {

// A supported code page: its Windows number and the English name the
// Options dialog lists it by (translated in the context "CodePage").
struct CodePageName {
  int number;
  const char* name;
};

// Every code page a collection can be read in, in the order they are listed.
std::span<const CodePageName> SupportedCodePages() noexcept;

// The entry for `number`; nullptr when it is not supported.
const CodePageName* FindCodePage(int number) noexcept;

// The supported numbers as "874, 932, ...", for a usage message.
std::string SupportedCodePageList();

// One code page: conversions between its bytes and UTF-8, and the order and
// letter-case rule its names are compared by. Windows-1252 keeps the
// program's own byte table and byte fold; every other code page is ICU's.
class CodePage {
 public:
  // Windows-1252.
  CodePage() noexcept = default;
  // `number` must be supported (see FindCodePage); anything else is 1252.
  explicit CodePage(int number) noexcept;

  int Number() const noexcept { return number_; }
  bool IsWindows1252() const noexcept { return number_ == 1252; }

  // The bytes' text as UTF-8; a byte sequence the code page does not
  // define becomes U+FFFD. (Windows-1252 defines every byte.)
  std::string ToUtf8(std::string_view bytes) const;
  void AppendUtf8(std::string& out, std::string_view bytes) const;

  // True when every byte sequence is defined: the name can be shown and
  // written back without change.
  bool IsReadable(std::string_view bytes) const;

  // The bytes of UTF-8 `text`; nothing when a character has no bytes in this
  // code page (never a "?" in its place) or `text` is not UTF-8.
  std::optional<std::string> FromUtf8(std::string_view text) const;

  // A key whose byte order is the order names sort in with letter case
  // ignored: the byte fold for Windows-1252; for other code pages the UTF-8
  // of the text after Unicode simple case folding, so that keys compare by
  // code point. Undefined bytes get keys of their own, never U+FFFD's.
  std::string FoldKey(std::string_view bytes) const;
  // Negative, zero or positive as the key of `a` comes before, equals or
  // follows the key of `b`, without making the keys (for other code pages;
  // Windows-1252 makes them).
  int CompareFolded(std::string_view a, std::string_view b) const;
  // A number that orders names as their keys do, as far as their first
  // characters go: a smaller number means a smaller key; equal numbers
  // leave it to CompareFolded. (Other code pages only.)
  uint64_t FoldedPrefix(std::string_view bytes) const;

  // The same for UTF-8 `text` typed by the user (other code pages only).
  static std::string FoldKeyOfUtf8(std::string_view text);

  // The bytes' characters (code points), undefined sequences as U+FFFD;
  // `valid` (when given) says whether there were none.
  std::u32string Decode(std::string_view bytes, bool* valid = nullptr) const;
  // The bytes of `text`; nothing when a character cannot be stored.
  std::optional<std::string> Encode(std::u32string_view text) const;

  // Unicode simple case folding of one character.
  static char32_t Fold(char32_t c) noexcept;

 private:
  void AppendFoldKey(std::string& out, std::string_view bytes) const;

  int number_ = 1252;
};

// The code page of the collection loaded: set when a collection is loaded
// (and by the command line before it reads one), read wherever names are
// shown, matched, sorted or written. Windows-1252 until set.
const CodePage& CollectionCodePage() noexcept;
void UseCollectionCodePage(int number) noexcept;

}  // namespace lumo
