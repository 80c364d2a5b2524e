#include "gui/edit/edit_dlg.h"

#include <QLineEdit>

#include <utility>

#include "core/platform/code_page.h"
#include "gui/platform/data_exchange.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/profile_text.h"
#include "gui/platform/text_codec.h"
#include "gui/widgets/button_factory.h"
#include "gui/platform/translation.h"

namespace lumo {

namespace {

// The file's reader drops blanks at the end of a line, so they could never
// come back: the name is stored without them.
void DropTrailingBlanks(std::string& text) { text.resize(lumo::ini::TrimEnd(text).size()); }

// Sections whose artist reads as this are skipped by the build: an artist
// renamed so would vanish with all its albums at the next load.
constexpr const char* kHiddenArtistName = "<UNKNOWN>";

// Each label's mnemonic moves the focus to its field; no two in one dialog
// share a letter.
constexpr const char* kArtistLabel = QT_TRANSLATE_NOOP("Lumo", "&Artist");
constexpr const char* kAlbumLabel = QT_TRANSLATE_NOOP("Lumo", "A&lbum");
constexpr const char* kTrackLabel = QT_TRANSLATE_NOOP("Lumo", "&Track");

// The labels of the upper and lower field for an item of this kind; an
// artist has no lower field.
std::pair<const char*, const char*> LabelsFor(ItemKind kind) {
  if (kind == ItemKind::Track) return {kAlbumLabel, kTrackLabel};
  return {kArtistLabel, kind == ItemKind::Album ? kAlbumLabel : ""};
}

// The labels get their texts once the dialog opens; a translated layout
// makes room for those texts from the start.
DialogBuilder::ControlFactory LabelRoom(ItemKind kind, DialogBuilder::ControlFactory others) {
  return [kind, others](const ControlTemplate& control, QWidget* parent) -> QWidget* {
    const auto [upper, lower] = LabelsFor(kind);
    if (control.id != EditDlg::kUpperLabel && control.id != EditDlg::kLowerLabel) return others(control, parent);
    QWidget* label = DialogBuilder::MakeDefaultControl(control, parent);
    const char* text = control.id == EditDlg::kUpperLabel ? upper : lower;
    if (*text != '\0') label->setProperty(kRoomForTextProperty, Tr("Lumo", text));
    return label;
  };
}

// The fields must hold any name the file does, however long.
constexpr int kNoLengthLimit = 1 << 30;

}  // namespace

EditDlg::EditDlg(CatalogueItem& item, const CatalogueItem* parent, QWidget* owner)
    : LumoDialog(kTemplate, owner, LabelRoom(item.kind, RoundButtonFactory({lumo::kIdOk, lumo::kIdCancel}))),
      item_(item),
      parent_(parent) {}

std::string EditDlg::ParentName() const { return parent_ != nullptr ? parent_->text : std::string(); }

bool EditDlg::OnInitDialog() {
  switch (item_.kind) {
    case ItemKind::Artist:
      Show(QT_TRANSLATE_NOOP("Lumo", "Edit Artist"), item_.text, "");
      Control(kLowerLabel)->hide();
      Control(kLowerField)->hide();
      break;
    case ItemKind::Album:
      Show(QT_TRANSLATE_NOOP("Lumo", "Edit Album"), ParentName(), item_.text);
      break;
    case ItemKind::Track:
      Show(QT_TRANSLATE_NOOP("Lumo", "Edit Track"), ParentName(), item_.text);
      SetPlaceholder(kLowerField);
      ControlAs<QLineEdit>(kUpperField)->setReadOnly(true);
      break;
    default:
      EndDialog(lumo::kIdCancel);
      return false;
  }
  SetPlaceholder(kUpperField);
  for (int field : {kUpperField, kLowerField}) ControlAs<QLineEdit>(field)->setMaxLength(kNoLengthLimit);
  UpdateData(false);
  return true;
}

void EditDlg::Show(const char* caption, const std::string& upper, const std::string& lower) {
  setWindowTitle(Tr("Lumo", caption));
  const auto [upperLabel, lowerLabel] = LabelsFor(item_.kind);
  upperLabel_ = TrUtf8("Lumo", upperLabel);
  upperText_ = upper;
  lowerLabel_ = TrUtf8("Lumo", lowerLabel);
  lowerText_ = lower;
}

void EditDlg::SetPlaceholder(int fieldId) {
  if (auto* field = ControlAs<QLineEdit>(fieldId)) field->setPlaceholderText(Tr("Lumo", kEmptyPlaceholder));
}

void EditDlg::PutBackArtist() {
  upperText_ = ParentName();
  ControlAs<QLineEdit>(kUpperField)->setText(lumo::FromName(upperText_));
}

int EditDlg::StoredField() const { return item_.kind == ItemKind::Artist ? kUpperField : kLowerField; }

void EditDlg::DoDataExchange(lumo::DataExchange& exchange) {
  exchange.Text(kUpperField, upperText_, lumo::CollectionCodePage());
  exchange.Text(kUpperLabel, upperLabel_);
  exchange.Text(kLowerLabel, lowerLabel_);
  exchange.Text(kLowerField, lowerText_, lumo::CollectionCodePage());
  if (!exchange.Saving() || exchange.Failed()) return;
  DropTrailingBlanks(upperText_);
  DropTrailingBlanks(lowerText_);
  const std::string& stored = StoredField() == kUpperField ? upperText_ : lowerText_;
  if (lumo::profile::HasLineBreakingByte(stored)) {
    exchange.Fail(StoredField(), TrUtf8("Lumo", kUnstorable));
  } else if (item_.kind == ItemKind::Artist && stored == kHiddenArtistName) {
    exchange.Fail(StoredField(), TrUtf8("Lumo", kHiddenArtist));
  }
}

void EditDlg::OnOK() {
  // An album's artist is not changed here, whatever was typed, characters
  // that could not be stored included: it is put back and the dialog stays
  // open. Only the artist field is refilled, so a typed title stays.
  if (item_.kind == ItemKind::Album && !lumo::ToName(ControlAs<QLineEdit>(kUpperField)->text())) {
    return PutBackArtist();
  }
  if (!UpdateData(true)) return;
  if (item_.kind == ItemKind::Album && upperText_ != ParentName()) return PutBackArtist();
  item_.text = item_.kind == ItemKind::Artist ? upperText_ : lowerText_;
  EndDialog(lumo::kIdOk);
}

}  // namespace lumo
