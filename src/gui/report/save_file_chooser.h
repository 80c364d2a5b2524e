#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The Save As question of the report dialog, kept behind a function so that
// tests can answer it without a screen.
namespace lumo {

struct SaveFileRequest {
  QString filter;         // Qt form: "HTML files (*.htm *.html);;All Files (*)"
  QString defaultSuffix;  // without the dot, added when the name has none
  QString initialName;    // shown in the name field; may be empty or relative
};

// Returns the full path chosen, or nothing when the user cancels.
using SaveFileChooser =
    std::function<std::optional<QString>(QWidget* owner, const SaveFileRequest& request)>;

// Turns a classic filter ("Desc (*.a;*.b)|*.a;*.b|All Files (*.*)|*.*||")
// into Qt's form: one "Desc (*.a *.b)" per pair, joined by ";;", with "*.*"
// meaning every file ("*"). A pair without a pattern is dropped.
QString QtFileFilter(const char* classicFilter);

// Qt's save file dialog, owned by `owner`: the filter, the default suffix
// and the initial name of `request`, no question when an existing file is
// chosen.
std::optional<QString> ChooseSaveFile(QWidget* owner, const SaveFileRequest& request);

}  // namespace lumo
