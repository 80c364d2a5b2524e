#pragma once

#include <QtGlobal>

#include "gui/edit/cleanup_pages.h"
#include "gui/platform/lumo_dialog.h"

namespace lumo {

// Edit > Duplicates: the duplicate albums on one page, the similar artist
// names on the other, and Close. After a deletion or a merge that the file
// took, both pages are listed anew from the document.
class DuplicatesDlg : public lumo::LumoDialog, public lumo::DuplicatesIds {
  Q_OBJECT

 public:
  static constexpr char kDuplicatesTab[] = QT_TRANSLATE_NOOP("Lumo", "Duplicate albums");
  static constexpr char kSimilarTab[] = QT_TRANSLATE_NOOP("Lumo", "Similar artists");

  // `document` is borrowed; the actions write and return true on success.
  DuplicatesDlg(const IniDocument& document, DuplicatePage::Remove remove, SimilarPage::Merge merge,
                QWidget* parent);

 protected:
  bool OnInitDialog() override;

 private:
  void Refill();

  const IniDocument& document_;
  DuplicatePage* duplicates_;  // owned by the tab control (Qt parent)
  SimilarPage* similar_;       // owned by the tab control (Qt parent)
};

}  // namespace lumo
