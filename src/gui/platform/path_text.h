#pragma once

#include <QString>
#include <QUrl>

#include <optional>
#include <string>

// Where a path, a file-system name (core/platform/local_path.h), meets text.
namespace lumo {

// The path for a widget. Bytes that are not valid in the local encoding
// (a lumo.ini written when paths were kept as Windows-1252) are read as
// Windows-1252, so that the user still sees the name typed then.
QString PathToText(const std::string& path);

// The file-system name for what the user typed or chose; nothing when the
// local encoding cannot hold a character of it.
std::optional<std::string> TextToPath(const QString& text);

// The path inside a message text (UTF-8), as PathToText shows it. The path
// itself is never changed.
std::string PathForMessage(const std::string& path);

// The file-system name of a local file's URL (a drop), byte for byte as the
// URL encodes it; nothing for a URL that names no local file.
std::optional<std::string> UrlToPath(const QUrl& url);

}  // namespace lumo
