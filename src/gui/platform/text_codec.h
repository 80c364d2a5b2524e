#pragma once

#include <QString>

#include <optional>
#include <string>

// Where core text meets Qt widgets: names in the collection's code page,
// settings in Windows-1252.
namespace lumo {

class CodePage;

// Every byte maps to a character; the five bytes Windows-1252 leaves
// undefined come through as the C1 control of the same number.
QString FromWindows1252(const std::string& bytes);

// The bytes of `text`, or nothing when a character has no Windows-1252 byte
// (such a name is refused, never written as "?").
std::optional<std::string> ToWindows1252(const QString& text);

// A name from the collection loaded (bytes in its code page) as text;
// bytes the code page does not define show as U+FFFD.
QString FromName(const std::string& bytes);

// The collection code page's bytes for `text`; nothing when it cannot store
// a character of it.
std::optional<std::string> ToName(const QString& text);

// A code page's name as the Options dialog lists it, in the user's language.
QString CodePageTitle(int number);

// The message refusing a text that `page` cannot store, naming its
// character set (UTF-8).
std::string NotInCodePageText(const CodePage& page);

}  // namespace lumo
