#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/profile.h"

// The in-memory half of the profile functions: finding a key in a file's
// bytes and changing those bytes as WriteString and DeleteSection do. No file
// is touched here. Every line decision comes from platform/ini_syntax.h, so
// these functions see a file exactly as IniDocument::Load does.
namespace lumo::profile {

// True when the text holds a byte no INI line can carry: CR, LF, NUL or
// Ctrl-Z.
bool HasLineBreakingByte(std::string_view text) noexcept;

// True when the edit, once written, reads back exactly as given: no CR, LF,
// NUL or Ctrl-Z anywhere; a non-empty section; a key without "=", not
// starting with a blank, ";" or "["; a value not ending with a blank (the
// line trim would take it). Blanks at the ends of a section name, at the end
// of a key and at the start of a value survive reading and are allowed.
bool CanWriteFaithfully(const Edit& edit) noexcept;
bool CanWriteFaithfully(const EditRef& edit) noexcept;

// The value of the key in `file` (a whole file's bytes): the last one in
// file order over every occurrence of the section, or nothing when the
// section or key is missing. The view points into `file`.
std::optional<std::string_view> FindValue(std::string_view file, std::string_view section,
                                          std::string_view key);

// What GetString reads from a file of these bytes, as a copy cut to 1023
// bytes like the platform's call; nothing when the section or key is missing.
std::optional<std::string> StringValue(std::string_view file, std::string_view section, std::string_view key);

// What GetInt reads from a file of these bytes: the value as a decimal
// integer (0 without digits), or `defaultValue` when the key is missing.
int32_t IntValue(std::string_view file, std::string_view section, std::string_view key, int32_t defaultValue);

// Applies one edit to a whole file's bytes in place, changing no byte that
// the edit does not need to. The edit must pass CanWriteFaithfully.
//
// SetKey rewrites each line of the key in every occurrence of the section as
// the line's own leading blanks and key spelling, "=", the value and the
// line's own line end. A missing key becomes a new line after the last
// non-blank, non-comment line of the section's last occurrence; a missing
// section is appended at the end of the text (before any Ctrl-Z). New lines
// use the file's line end: that of its first line, or CRLF when it has none;
// a line they follow that lacks a line end gets one first.
//
// RemoveSection drops every occurrence: its header and every line up to the
// next header or the end of the text. Bytes after a Ctrl-Z are never changed.
//
// Returns whether any byte changed.
bool ApplyEdit(const Edit& edit, std::string& file);

// Applies the edits in order, with exactly the bytes that ApplyEdit for each
// in turn would give, in one pass over the text however many edits there
// are. Every edit must pass CanWriteFaithfully. Returns whether any of them
// changed a byte at its turn (even if a later one changed it back).
bool ApplyEditsToText(const std::vector<Edit>& edits, std::string& file);
// The same, leaving `file` alone: the new text, or nothing when no edit
// changed a byte.
std::optional<std::string> EditedText(const EditBatch& edits, std::string_view file);

}  // namespace lumo::profile
