#include "gui/edit/duplicates_dlg.h"
#include "gui/platform/translation.h"

#include <QTabWidget>

#include <utility>

namespace lumo {

DuplicatesDlg::DuplicatesDlg(const IniDocument& document, DuplicatePage::Remove remove, SimilarPage::Merge merge,
                             QWidget* parent)
    : LumoDialog(kTemplate, parent), document_(document) {
  QTabWidget* tabs = ControlAs<QTabWidget>(kTabs);
  duplicates_ = new DuplicatePage(
      document,
      [this, remove = std::move(remove)](const std::string& cdKey) {
        const bool done = remove(cdKey);
        if (done) Refill();
        return done;
      },
      tabs);
  similar_ = new SimilarPage(
      document,
      [this, merge = std::move(merge)](const std::vector<std::string>& spellings, const std::string& chosen) {
        const bool done = merge(spellings, chosen);
        if (done) Refill();
        return done;
      },
      tabs);
}

bool DuplicatesDlg::OnInitDialog() {
  QTabWidget* tabs = ControlAs<QTabWidget>(kTabs);
  if (tabs != nullptr && tabs->count() == 0) {
    duplicates_->CreateModeless(tabs);
    similar_->CreateModeless(tabs);
    tabs->addTab(duplicates_, Tr("Lumo", kDuplicatesTab));
    tabs->addTab(similar_, Tr("Lumo", kSimilarTab));
  }
  Refill();
  return LumoDialog::OnInitDialog();
}

// Both pages from one reading of the document.
void DuplicatesDlg::Refill() {
  const std::vector<AlbumIdentity> albums = AlbumIdentities(document_);
  duplicates_->Fill(albums);
  similar_->Fill(albums);
}

}  // namespace lumo
