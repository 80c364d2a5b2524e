#include "gui/main/find_dlg.h"

#include <QCheckBox>
#include <QLineEdit>

#include <utility>

#include "core/platform/code_page.h"

namespace lumo {

FindDlg::FindDlg(FindHandler onFind, QWidget* parent) : LumoDialog(kTemplate, parent), onFind_(std::move(onFind)) {
  UpdateData(false);
  UpdateButtons();
}

void FindDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Text(kText, options_.text, lumo::CollectionCodePage());
  exchange.Check(kMatchCase, matchCase_);
  exchange.Check(kArtists, artists_);
  exchange.Check(kAlbums, albums_);
  exchange.Check(kTracks, tracks_);
}

bool FindDlg::OnCommand(int id) {
  switch (id) {
    case kFindNext: Find(FindDirection::Next); return true;
    case kFindPrevious: Find(FindDirection::Previous); return true;
    case kArtists: case kAlbums: case kTracks: UpdateButtons(); return true;
    default: return LumoDialog::OnCommand(id);
  }
}

// Enter searches onwards; the dialog stays open for the next one.
void FindDlg::OnOK() { Find(FindDirection::Next); }

void FindDlg::OnEditChange(int) { UpdateButtons(); }

bool FindDlg::ReadOptions() {
  if (!UpdateData(true)) return false;
  options_.matchCase = matchCase_ != 0;
  options_.artists = artists_ != 0;
  options_.albums = albums_ != 0;
  options_.tracks = tracks_ != 0;
  return !options_.text.empty() && (options_.artists || options_.albums || options_.tracks);
}

void FindDlg::Find(FindDirection direction) {
  if (ReadOptions()) onFind_(direction);
}

// Searching needs some text and at least one kind of item to look in.
void FindDlg::UpdateButtons() {
  const auto* field = ControlAs<QLineEdit>(kText);
  bool anyKind = false;
  for (int id : {kArtists, kAlbums, kTracks}) {
    if (const auto* box = ControlAs<QCheckBox>(id)) anyKind |= box->isChecked();
  }
  const bool ready = field && !field->text().isEmpty() && anyKind;
  for (int id : {kFindNext, kFindPrevious}) {
    if (QWidget* button = Control(id)) button->setEnabled(ready);
  }
}

}  // namespace lumo
