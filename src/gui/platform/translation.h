#pragma once

#include <QString>

#include <string>

class QCoreApplication;

// The program's texts in the user's language. English is the source; the
// catalogues are lumo_<language>.qm, beside the program (translations/) or
// installed (../share/lumo/translations).
namespace lumo {

// Loads the catalogue of the first of the user's languages that has one;
// English (nothing loaded) when none has. Needs no application object.
void LoadTranslations();

// Uses the catalogue in `file` from now on; false (and English) when it
// cannot be read. An empty name goes back to English.
bool LoadCatalogueFile(const QString& file);

// Adds Lumo's catalogue and Qt's own (qtbase_<language>) to `app`, so that
// standard dialogs and tr() follow the same language.
void InstallTranslations(QCoreApplication& app);

// `text` (English, Windows-1252) in the loaded language.
QString Tr(const char* context, const char* text);

// The same as UTF-8, for the paths that carry text as bytes (message boxes,
// dialog members).
std::string TrUtf8(const char* context, const char* text);

// A text of "\r\n"-separated paragraphs (Windows-1252), each translated on
// its own in the context "About" (UTF-8); a paragraph without a translation
// stays English.
std::string TranslateParagraphs(const std::string& text);

// The string table's entry `id` translated (UTF-8); empty when none.
std::string StringText(int id);

}  // namespace lumo
