#pragma once

#include <QStringList>

#include <functional>
#include <string>
#include <vector>

#include "core/collection/duplicate_albums.h"
#include "gui/platform/lumo_dialog.h"

class QListWidget;

namespace lumo {

class IniDocument;

// A page of the Duplicates dialog. Enter and Esc reach a page first: Esc
// closes the whole dialog, and Enter does nothing, rather than either ending
// the page and leaving its tab blank.
class CleanupPage : public lumo::LumoDialog {
  Q_OBJECT

 public:
  using LumoDialog::LumoDialog;

 protected:
  void OnOK() override {}
  void OnCancel() override;
};

// The first page of the Duplicates dialog: every copy of every album that
// is entered more than once, a copy's CD key, artist, title and track count
// on its row and the copies of one album on adjacent rows; below, the
// tracks of the selected copy. Delete hands the selected copy's CD key to
// `remove`, which asks, writes and says whether the section went.
class DuplicatePage : public CleanupPage, public lumo::DuplicatePageIds {
  Q_OBJECT

 public:
  using Remove = std::function<bool(const std::string& cdKey)>;
  // "1A2B3C4D: Artist - Title, 12 tracks"; the copy the tree shows is marked.
  static constexpr char kRowPattern[] = QT_TRANSLATE_NOOP("Lumo", "%1: %2 - %3, %4 tracks");
  static constexpr char kShownMark[] = QT_TRANSLATE_NOOP("Lumo", " (shown in the tree)");

  // `document` is borrowed and read again at each Fill.
  DuplicatePage(const IniDocument& document, Remove remove, QWidget* parent);

  // Lists the duplicates among `albums` (the document's) anew, keeping the
  // selected row's place.
  void Fill(const std::vector<AlbumIdentity>& albums);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

 private:
  void ShowTracks(int row);
  void Delete();

  const IniDocument& document_;
  Remove remove_;
  std::vector<DuplicateEntry> rows_;  // one per list row
};

// The second page: groups of artist names that differ only in letter case,
// a leading "The", blanks or punctuation; Merge gives all albums of the
// selected group the selected spelling through `merge`.
class SimilarPage : public CleanupPage, public lumo::SimilarPageIds {
  Q_OBJECT

 public:
  using Merge = std::function<bool(const std::vector<std::string>& spellings, const std::string& chosen)>;
  static constexpr char kSpellingSeparator[] = " | ";

  SimilarPage(const IniDocument& document, Merge merge, QWidget* parent);

  // Lists the groups among `albums` (the document's) anew.
  void Fill(const std::vector<AlbumIdentity>& albums);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id) override;

 private:
  void ShowSpellings(int row);
  void MergeSelected();

  const IniDocument& document_;
  Merge merge_;
  std::vector<std::vector<std::string>> groups_;  // one per list row
};

// Names a list after its label, which also becomes the label's buddy, so
// that its mnemonic and a screen reader both reach the list.
void NameListAfterLabel(LumoDialog& page, int labelId, int listId);

// Fills `list` with `rows` and selects `selected` (kept within the rows).
void FillList(QListWidget& list, const QStringList& rows, int selected);

}  // namespace lumo
