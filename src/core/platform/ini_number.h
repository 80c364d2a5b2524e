#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Integers stored as INI values.
namespace lumo::ini {

// Reads a value as a decimal integer: leading blanks (space, tab, CR, LF, VT,
// FF), an optional sign, then digits up to the first other character. A text
// without digits gives 0. Values beyond the 32-bit range saturate at
// INT32_MIN / INT32_MAX instead of wrapping.
int32_t ReadDecimal(std::string_view text) noexcept;

// Formats a value in `radix` (2 to 36, lower-case letters for digits above
// 9): radix 10 gives signed decimal ("-5"); every other radix writes the
// value's 32-bit two's-complement pattern as an unsigned number, as the C
// runtime's itoa does (-1 in radix 16 gives "ffffffff"). An empty text when
// the radix is out of range.
std::string FormatInteger(int32_t value, int radix);

}  // namespace lumo::ini
