#include "gui/platform/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

#include "gui/platform/dialog_template.h"
#include "gui/platform/text_codec.h"

namespace lumo {
namespace {

QTranslator& Catalogue() {
  static QTranslator catalogue;
  return catalogue;
}

// Found without an application object: the command line has none.
QString ProgramFolder() {
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
  return QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
}

}  // namespace

void LoadTranslations() {
  const QString folder = ProgramFolder();
  for (const QString& place : {folder + QStringLiteral("/translations"),
                               QDir::cleanPath(folder + QStringLiteral("/../share/lumo/translations"))}) {
    // uiLanguages() follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
    if (Catalogue().load(QLocale::system(), QStringLiteral("lumo"), QStringLiteral("_"), place)) return;
  }
}

bool LoadCatalogueFile(const QString& file) {
  if (file.isEmpty() || !Catalogue().load(file)) {
    static_cast<void>(Catalogue().load(QString()));  // unloads
    return false;
  }
  return true;
}

void InstallTranslations(QCoreApplication& app) {
  if (Catalogue().isEmpty()) return;
  app.installTranslator(&Catalogue());
  auto qt = std::make_unique<QTranslator>(&app);
  const QLocale language(Catalogue().language());
  if (qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    app.installTranslator(qt.release());
  }
}

QString Tr(const char* context, const char* text) {
  const QString english = FromWindows1252(text != nullptr ? text : "");
  if (Catalogue().isEmpty() || english.isEmpty()) return english;
  const QString translated = Catalogue().translate(context, english.toUtf8().constData());
  return translated.isEmpty() ? english : translated;
}

std::string TrUtf8(const char* context, const char* text) { return Tr(context, text).toStdString(); }

std::string TranslateParagraphs(const std::string& text) {
  std::string translated;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    translated += TrUtf8("About", text.substr(start, end - start).c_str());
    if (end == std::string::npos) return translated;
    translated += "\r\n";
    start = end + 2;
  }
}

std::string StringText(int id) {
  const char* text = LoadResourceString(id);
  return text != nullptr ? TrUtf8("Strings", text) : std::string();
}

}  // namespace lumo
