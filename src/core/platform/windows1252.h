#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Windows-1252 code page where it meets Unicode: the default code page
// of collections (see code_page.h) and the one of older settings. Its table
// lives here and nowhere else.
namespace lumo::cp1252 {

// The character a byte stands for. Every byte has one: the five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// control of the same number, so that any bytes survive a round trip.
char16_t CharOfByte(unsigned char byte) noexcept;

// The byte of a character, or nothing when the code page lacks it.
std::optional<unsigned char> ByteOfChar(char32_t c) noexcept;

// The bytes' text as UTF-8.
std::string ToUtf8(std::string_view bytes);
// Appends the UTF-8 of the character `byte` stands for.
void AppendUtf8(std::string& out, unsigned char byte);

// True when the bytes are well-formed UTF-8: no stray or missing
// continuation bytes, no overlong forms, no surrogates, nothing past U+10FFFF.
bool IsUtf8(std::string_view bytes) noexcept;

}  // namespace lumo::cp1252

namespace lumo {

// Appends the UTF-8 of one character (a code point up to U+10FFFF).
void AppendCharUtf8(std::string& out, char32_t c);

}  // namespace lumo
