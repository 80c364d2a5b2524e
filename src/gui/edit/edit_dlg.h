#pragma once

#include <QtGlobal>

#include <string>

#include "core/catalogue/catalogue_item.h"
#include "gui/platform/lumo_dialog.h"

namespace lumo {

// "Edit Artist" / "Edit Album" / "Edit Track": renames one item. The upper
// field shows the artist (editing an artist or an album) or the album
// (editing a track, read-only); the lower field, hidden for an artist, the
// album title or track name. A name of length 0 shows "(empty)" as the
// field's grey placeholder, never as text, so an untouched empty name stays
// empty.
//
// OK stores the accepted name in the edited record's `text` and ends with
// kIdOk; nothing else is changed, no file written. Trailing blanks are
// dropped (cdplayer.ini cannot keep them); a name with a line break, NUL or
// Ctrl-Z, or a character outside the collection's code page, is refused with a message and
// the dialog stays open. Editing an album, a changed artist is put back
// without a word and the dialog stays open. Cancel stores nothing.
class EditDlg : public lumo::LumoDialog, public lumo::EditIds {
  Q_OBJECT

 public:
  static constexpr char kEmptyPlaceholder[] = QT_TRANSLATE_NOOP("Lumo", "(empty)");
  // Why a name is refused; Replace refuses the same names with the same words.
  static constexpr char kUnstorable[] =
      QT_TRANSLATE_NOOP("Lumo", "The name contains a line break or a control character (NUL, Ctrl-Z) that cdplayer.ini cannot hold.\n"
      "Please remove it.");
  static constexpr char kHiddenArtist[] =
      QT_TRANSLATE_NOOP("Lumo", "\"<UNKNOWN>\" stands for a disc without an artist, and such discs are not shown.\n"
      "Please choose another name.");

  // Both records are borrowed and must outlive the dialog. `parent` is the
  // album's artist or the track's album; null for an artist.
  EditDlg(CatalogueItem& item, const CatalogueItem* parent, QWidget* owner = nullptr);

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(lumo::DataExchange& exchange) override;
  void OnOK() override;

 private:
  void Show(const char* caption, const std::string& upper, const std::string& lower);
  void SetPlaceholder(int fieldId);
  void PutBackArtist();
  int StoredField() const;
  std::string ParentName() const;

  CatalogueItem& item_;
  const CatalogueItem* parent_;
  std::string upperText_;
  std::string upperLabel_;
  std::string lowerLabel_;
  std::string lowerText_;
};

}  // namespace lumo
