#pragma once

#include <QString>

#include <optional>
#include <string>

// Where core text (Windows-1252 bytes) meets Qt widgets.
namespace lumo {

// Every byte maps to a character; the five bytes Windows-1252 leaves
// undefined come through as the C1 control of the same number.
QString FromWindows1252(const std::string& bytes);

// The bytes of `text`, or nothing when a character has no Windows-1252 byte
// (such a name is refused, never written as "?").
std::optional<std::string> ToWindows1252(const QString& text);

}  // namespace lumo
