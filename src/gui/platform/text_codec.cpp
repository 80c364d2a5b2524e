#include "gui/platform/text_codec.h"

#include "core/platform/code_page.h"
#include "core/platform/message_box.h"
#include "core/platform/windows1252.h"
#include "gui/platform/translation.h"

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

namespace lumo {

QString FromName(const std::string& bytes) {
  const CodePage& page = CollectionCodePage();
  return page.IsWindows1252() ? FromWindows1252(bytes) : QString::fromStdString(page.ToUtf8(bytes));
}

std::optional<std::string> ToName(const QString& text) { return CollectionCodePage().FromUtf8(text.toStdString()); }

QString CodePageTitle(int number) {
  const CodePageName* page = FindCodePage(number);
  return page != nullptr ? Tr("CodePage", page->name) : QString::number(number);
}

std::string NotInCodePageText(const CodePage& page) {
  const char* refusal = QT_TRANSLATE_NOOP("Lumo", "The text contains characters that cannot be stored.\n"
                                                  "Please use only the characters of the %1 character set.");
  return FillIn(TrUtf8("Lumo", refusal), "%1", CodePageTitle(page.Number()).toStdString());
}

}  // namespace lumo
