#include "gui/platform/path_text.h"

#include <QFile>

#include "core/platform/local_path.h"
#include "gui/platform/text_codec.h"

namespace lumo {

QString PathToText(const std::string& path) {
  if (!IsLocalName(path)) return FromWindows1252(path);
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

// The path is taken from the URL's percent-encoded form, so that bytes that
// are not UTF-8 stay as they are instead of becoming replacement characters.
std::optional<std::string> UrlToPath(const QUrl& url) {
  if (!url.isLocalFile()) return std::nullopt;
  const QString host = url.host();
  if (!host.isEmpty() && host != QStringLiteral("localhost")) return std::nullopt;
  const QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
  if (path.isEmpty() || path.contains('\0')) return std::nullopt;
  return path.toStdString();
}

std::string PathForMessage(const std::string& path) { return PathToText(path).toStdString(); }

}  // namespace lumo
