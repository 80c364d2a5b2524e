#include "gui/edit/replace_dlg.h"

#include <QCheckBox>
#include <QLineEdit>

#include <utility>

#include "core/platform/code_page.h"

namespace lumo {

ReplaceDlg::ReplaceDlg(ReplaceHandler onReplace, QWidget* parent)
    : LumoDialog(kTemplate, parent), onReplace_(std::move(onReplace)) {
  UpdateData(false);
  UpdateButtons();
}

void ReplaceDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Text(kFindText, request_.find, CollectionCodePage());
  exchange.Text(kWithText, request_.with, CollectionCodePage());
  exchange.Check(kMatchCase, matchCase_);
  exchange.Check(kArtists, artists_);
  exchange.Check(kAlbums, albums_);
  exchange.Check(kTracks, tracks_);
}

bool ReplaceDlg::OnCommand(int id) {
  switch (id) {
    case kReplaceAll: ReplaceAll(); return true;
    case kArtists: case kAlbums: case kTracks: UpdateButtons(); return true;
    default: return LumoDialog::OnCommand(id);
  }
}

void ReplaceDlg::OnOK() { ReplaceAll(); }

void ReplaceDlg::OnEditChange(int) { UpdateButtons(); }

// Text the code page lacks is refused by the data exchange, with its message.
void ReplaceDlg::ReplaceAll() {
  if (!UpdateData(true)) return;
  request_.matchCase = matchCase_ != 0;
  request_.artists = artists_ != 0;
  request_.albums = albums_ != 0;
  request_.tracks = tracks_ != 0;
  if (request_.find.empty() || !(request_.artists || request_.albums || request_.tracks)) return;
  onReplace_(request_);
}

// Replacing needs some text to find and at least one kind of name.
void ReplaceDlg::UpdateButtons() {
  const auto* field = ControlAs<QLineEdit>(kFindText);
  bool anyKind = false;
  for (int id : {kArtists, kAlbums, kTracks}) {
    if (const auto* box = ControlAs<QCheckBox>(id)) anyKind |= box->isChecked();
  }
  if (QWidget* button = Control(kReplaceAll)) button->setEnabled(field && !field->text().isEmpty() && anyKind);
}

}  // namespace lumo
