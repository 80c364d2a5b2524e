#include "core/platform/text_fold.h"

#include <array>

namespace lumo {
namespace {

constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0; b < 256; ++b) table[b] = static_cast<unsigned char>(b);
  for (int b = 'A'; b <= 'Z'; ++b) table[b] = static_cast<unsigned char>(b + 32);
  for (int b = 0xC0; b <= 0xDE; ++b) {
    if (b != 0xD7) table[b] = static_cast<unsigned char>(b + 32);
  }
  table[0x8A] = 0x9A;  // S caron
  table[0x8C] = 0x9C;  // OE ligature
  table[0x8E] = 0x9E;  // Z caron
  table[0x9F] = 0xFF;  // Y diaeresis
  return table;
}

constexpr auto kFoldTable = MakeFoldTable();

}  // namespace

char FoldChar(char c) noexcept {
  return static_cast<char>(kFoldTable[static_cast<unsigned char>(c)]);
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  FoldCaseInPlace(folded);
  return folded;
}

void FoldCaseInPlace(std::string& text) noexcept {
  for (char& c : text) c = FoldChar(c);
}

bool EqualsFolded(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldChar(a[i]) != FoldChar(b[i])) return false;
  }
  return true;
}

}  // namespace lumo
