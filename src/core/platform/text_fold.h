#pragma once

#include <string>
#include <string_view>

// Lower-casing of section and key names, Windows-1252 style: A-Z, the
// accented capitals 0xC0-0xDE (except the multiplication sign 0xD7), the
// carons and ligature 0x8A, 0x8C, 0x8E, and Y-diaeresis 0x9F. Every other
// byte is left alone. Values are never folded.
namespace lumo {

char FoldChar(char c) noexcept;

// A folded copy of the text.
std::string FoldCase(std::string_view text);

// Folds the text in place.
void FoldCaseInPlace(std::string& text) noexcept;

// True when both texts fold to the same bytes.
bool EqualsFolded(std::string_view a, std::string_view b) noexcept;

}  // namespace lumo
