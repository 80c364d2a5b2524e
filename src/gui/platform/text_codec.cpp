#include "gui/platform/text_codec.h"

#include "core/platform/windows1252.h"

namespace lumo {

QString FromWindows1252(const std::string& bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  for (char byte : bytes) text.append(QChar(cp1252::CharOfByte(static_cast<unsigned char>(byte))));
  return text;
}

std::optional<std::string> ToWindows1252(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(text.size()));
  for (QChar c : text) {
    std::optional<unsigned char> byte = cp1252::ByteOfChar(c.unicode());
    if (!byte) return std::nullopt;
    bytes.push_back(static_cast<char>(*byte));
  }
  return bytes;
}

}  // namespace lumo
