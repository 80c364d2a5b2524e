#include "core/platform/ini_syntax.h"

namespace lumo::ini {

bool IsBlank(char c) noexcept {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) noexcept {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string_view TrimEnd(std::string_view text) noexcept {
  std::size_t last = text.size();
  while (last > 0 && IsBlank(text[last - 1])) --last;
  return text.substr(0, last);
}

ParsedLine ParseLine(std::string_view line) noexcept {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty()) return {LineKind::Blank, {}, {}};
  if (trimmed.front() == ';') return {LineKind::Comment, {}, {}};
  if (trimmed.front() == '[') {
    // "[" alone and "[]" both give the empty name.
    std::string_view name = trimmed.size() >= 2 ? trimmed.substr(1, trimmed.size() - 2) : std::string_view{};
    return {LineKind::Header, name, {}};
  }
  std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {LineKind::Junk, {}, {}};
  return {LineKind::Key, trimmed.substr(0, equals), trimmed.substr(equals + 1)};
}

std::string_view TextPart(std::string_view file) noexcept {
  std::size_t ctrlZ = file.find(kCtrlZ);
  return ctrlZ == std::string_view::npos ? file : file.substr(0, ctrlZ);
}

}  // namespace lumo::ini
