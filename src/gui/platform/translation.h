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

// The same as Windows-1252 bytes, for the paths that carry core text; the
// English text when the translation has a character without a byte.
std::string Tr1252(const char* context, const char* text);

// A text of "\r\n"-separated paragraphs (Windows-1252), each translated on
// its own in the context "About"; a paragraph without a translation stays.
std::string TranslateParagraphs(const std::string& text);

// The string table's entry `id` translated (Windows-1252); empty when none.
std::string StringText(int id);

}  // namespace lumo
