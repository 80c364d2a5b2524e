#include "gui/platform/path_text.h"

#include <QFile>
#include <QStringDecoder>

#include "gui/platform/text_codec.h"

namespace lumo {
namespace {

bool ValidLocalName(const std::string& path) {
#ifdef Q_OS_WIN
  (void)path;
  return true;  // every byte is a character of the ANSI code page
#else
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = utf8(QByteArrayView(path.data(), static_cast<qsizetype>(path.size())));
  static_cast<void>(decoded);  // decoding happens on the conversion to QString
  return !utf8.hasError();
#endif
}

}  // namespace

QString PathToText(const std::string& path) {
  if (!ValidLocalName(path)) return FromWindows1252(path);
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::optional<std::string> TextToPath(const QString& text) {
  const QByteArray name = QFile::encodeName(text);
  // An encoding that lacks a character replaces it; such a name would open
  // some other file, so it is refused instead.
  if (QFile::decodeName(name).normalized(QString::NormalizationForm_C) !=
      text.normalized(QString::NormalizationForm_C)) {
    return std::nullopt;
  }
  return name.toStdString();
}

std::string PathFromSettings(const std::string& stored) {
  if (ValidLocalName(stored)) return stored;
  return TextToPath(FromWindows1252(stored)).value_or(stored);
}

std::string PathForMessage(const std::string& path) {
  std::string text;
  for (QChar c : PathToText(path)) {
    // Characters beyond the code page (and the halves of those outside the
    // basic plane) each become one "?".
    if (c.isLowSurrogate()) continue;
    text += ToWindows1252(QString(c)).value_or("?");
  }
  return text;
}

}  // namespace lumo
