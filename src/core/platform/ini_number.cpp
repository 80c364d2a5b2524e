#include "core/platform/ini_number.h"

#include <algorithm>
#include <limits>

#include "core/platform/ini_syntax.h"

namespace lumo::ini {

int32_t ReadDecimal(std::string_view text) noexcept {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Accumulate in 64 bits and stop growing past the 32-bit range, so long
  // digit strings cannot overflow.
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
  }
  const int64_t value = negative ? -magnitude : magnitude;
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

std::string FormatInteger(int32_t value, int radix) {
  if (radix < 2 || radix > 36) return {};
  const bool negative = radix == 10 && value < 0;
  // Radix 10 prints the magnitude (safe for INT32_MIN in 64 bits); other
  // radices print the unsigned bit pattern.
  uint64_t rest = radix == 10 ? static_cast<uint64_t>(negative ? -int64_t{value} : int64_t{value})
                              : uint64_t{static_cast<uint32_t>(value)};
  std::string digits;
  do {
    digits.push_back("0123456789abcdefghijklmnopqrstuvwxyz"[rest % static_cast<uint64_t>(radix)]);
    rest /= static_cast<uint64_t>(radix);
  } while (rest != 0);
  if (negative) digits.push_back('-');
  std::reverse(digits.begin(), digits.end());
  return digits;
}

}  // namespace lumo::ini
